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

// A file that is refused, by its kind, its signature or its load, changes nothing: the store,
// its document and layouts, the column tables and the display settings stay as they were, so
// no view ever shows a half-loaded schedule. Only a complete load replaces the store.
[[nodiscard]] open_status OpenSchedule(std::unique_ptr<LayoutStore>& store, std::wstring_view path);

// The steps after the test, common to every file kind: a new store, its document made with
// `make_document` (the store's factory of the kind), the settings, the load and the store's
// passes; the new store then replaces the old one. A failed load, or no document, destroys
// the new store and puts back what it changed.
using DocumentMaker = std::function<document::Document*(LayoutStore&)>;
[[nodiscard]] open_status LoadIntoNewStore(std::unique_ptr<LayoutStore>& store, std::wstring_view path,
                                           const DocumentMaker& make_document);

}  // namespace varnholt
