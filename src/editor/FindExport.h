#pragma once
// Find and Export: the commands of the data-entry window that hand over to the search
// window and the export window, each shown modally.

namespace tabulo {

class Dialogs;
class frmEdit;
class modDB;
class Reporter;

// With records in the file: the search starts before record 1, and the window shows the
// current record again afterwards, wherever the search left it.
void RunFind(frmEdit& window, modDB& db, Reporter& reporter);
void RunExport(frmEdit& window, modDB& db, Reporter& reporter, Dialogs& dialogs);

} // namespace tabulo
