// open_sequence.h - opening a schedule file into a new layout store: the file kind by its
// extension, the signature test, the new store and its document, the settings file, the load
// and the store's passes. The shell calls it and puts the status into words.
#pragma once

#include "layouts/LayoutStore.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace varnholt {

enum class schedule_kind : std::uint8_t { unknown, xer, xls };

// By the last four characters of the path, without regard to letter case (".xer", ".xls"); a
// path of four characters or fewer is compared as it stands.
[[nodiscard]] schedule_kind ScheduleKindOf(std::wstring_view path);

enum class open_error : std::uint8_t {
    none,
    unknown_kind,         // the extension is neither ".xer" nor ".xls"
    not_a_schedule,       // the file fails the signature test of its kind, or cannot be read
    load_failed,          // the file passed its test but could not be loaded
};

struct open_status {
    open_error error = open_error::none;
    explicit operator bool() const noexcept { return error == open_error::none; }
};

class ProcessStateAside;

// A schedule that has loaded into a new store but is not yet in place. The old store stays
// where it is, and so does the process state its document points into (the column tables,
// the display settings, the number formats and the layout settings of the old file, parked
// here), until the caller has had its views let go of the old store and calls Commit.
// Without a commit, the new store is destroyed and the parked state put back: the open
// schedule, its layouts and its columns stay exactly as they were.
class LoadedSchedule {
public:
    // A refusal: nothing was loaded and nothing was parked.
    explicit LoadedSchedule(open_status status) noexcept;
    LoadedSchedule(std::unique_ptr<LayoutStore> fresh, std::unique_ptr<ProcessStateAside> parked) noexcept;
    LoadedSchedule(LoadedSchedule&&) noexcept;
    LoadedSchedule(const LoadedSchedule&) = delete;
    LoadedSchedule& operator=(const LoadedSchedule&) = delete;
    LoadedSchedule& operator=(LoadedSchedule&&) = delete;
    ~LoadedSchedule();

    [[nodiscard]] open_status status() const noexcept { return m_status; }
    explicit operator bool() const noexcept { return static_cast<bool>(m_status); }

    // Puts the new store into `slot`. The old store, its document and layouts are destroyed
    // here, and only after them the old column tables they point into. Nothing on a refusal
    // or a second call.
    void Commit(std::unique_ptr<LayoutStore>& slot);

private:
    open_status m_status;
    std::unique_ptr<LayoutStore> m_fresh;
    std::unique_ptr<ProcessStateAside> m_parked;
};

// A file that is refused, by its kind, its signature or its load, changes nothing: the store,
// its document and layouts, the column tables and the display settings stay as they were, so
// no view ever shows a half-loaded schedule. Only a complete load, once committed, replaces
// the store.
[[nodiscard]] LoadedSchedule LoadSchedule(std::wstring_view path);

// LoadSchedule and Commit at once, for callers that hold no views over the store.
[[nodiscard]] open_status OpenSchedule(std::unique_ptr<LayoutStore>& store, std::wstring_view path);

// The steps after the test, common to every file kind: a new store, its document made with
// `make_document` (the store's factory of the kind), the settings, the load and the store's
// passes. A failed load, or no document, destroys the new store and puts back what it
// changed before it returns.
using DocumentMaker = std::function<document::Document*(LayoutStore&)>;
[[nodiscard]] LoadedSchedule LoadIntoNewStore(std::wstring_view path, const DocumentMaker& make_document);

}  // namespace varnholt
