// tbdinfo [--header] FILE: prints a database's header summary and its records.

#include "DatabaseInfo.h"

#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    tabulo::tools::InfoOptions options;
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--header") == 0) {
        options.records = false;
        first = 2;
    }
    if (argc != first + 1) {
        std::cerr << "usage: tbdinfo [--header] FILE.Tbd\n";
        return 2;
    }
    return tabulo::tools::PrintDatabaseInfo(argv[first], options, std::cout, std::cerr);
}
