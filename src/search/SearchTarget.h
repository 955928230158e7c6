#pragma once
// What the search window asks of the data-entry window behind it: where the search goes on,
// and showing a hit at once while the search window stays open.

namespace tabulo {

class SearchTarget {
public:
    virtual ~SearchTarget() = default;
    // The record after which the next search step starts.
    virtual long SelectedRecord() const = 0;
    virtual void SetSelectedRecord(long record) = 0;
    // Record is the engine's current record: show it at the page, and continue after it.
    virtual void ShowHit(long record, int page) = 0;
};

} // namespace tabulo
