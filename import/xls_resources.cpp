// xls_resources.cpp - roles, resources, resource roles and the resource tree of a workbook.

#include "import/xls_resources.h"

#include "import/xls/xls_sheet.h"
#include "import/xls_resource_cells.h"
#include "import/xls_task_sheet.h"
#include "import/xls_text.h"
#include "model/Document.h"
#include "model/records/CalendarRecord.h"
#include "model/records/CurrTypeRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRateRecord.h"
#include "model/records/RsrcRecord.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace varnholt::document {

namespace {

// Role keys in ascending byte order, each with the role name it is made with (none: empty).
struct RoleKey {
    std::string name;
    bool named = false;
};
using RoleKeys = std::map<std::string, RoleKey, std::less<>>;

RoleKeys CollectRoleKeys(const xls_sheet& sheet) {
    const xls_column* ids = sheet.find_column("role_id");
    const xls_column* codes = sheet.find_column("role_code_list");
    const xls_column* names = sheet.find_column("role_list");
    RoleKeys keys;
    for (std::uint32_t r = kFirstDataRow; r < sheet.row_count(); ++r) {
        if (codes != nullptr && names != nullptr) {
            const std::vector<std::string> row_codes = SplitText(sheet.column_text(codes, r), ",");
            const std::vector<std::string> row_names = SplitText(sheet.column_text(names, r), ",");
            // A code keeps the name of its first pairing; unpaired codes and names make nothing.
            const std::size_t pairs = std::min(row_codes.size(), row_names.size());
            for (std::size_t i = 0; i < pairs; ++i) keys.try_emplace(row_codes[i], RoleKey{row_names[i], true});
        } else if (codes != nullptr) {
            for (std::string& code : SplitText(sheet.column_text(codes, r), ",")) keys.try_emplace(std::move(code));
        } else if (names != nullptr) {
            // Roles known only by name: the name is the key and the role's name.
            for (std::string& name : SplitText(sheet.column_text(names, r), ",")) {
                std::string key = name;
                keys.try_emplace(std::move(key), RoleKey{std::move(name), true});
            }
        } else if (ids != nullptr) {
            std::string id = sheet.column_text(ids, r);
            if (!id.empty()) keys.try_emplace(std::move(id));
        }
    }
    return keys;
}

}  // namespace

ResourcesByShortName::ResourcesByShortName(const Document& doc) {
    m_first.reserve(doc.Rsrcs().size());
    for (const auto& resource : doc.Rsrcs()) m_first.try_emplace(resource->rsrc_short_name.text, resource.get());
}

RsrcRecord* ResourcesByShortName::Find(std::string_view short_name) const {
    // Compared as the record holds its text: widened, doubled quotation marks made single.
    const auto found = m_first.find(s_string(short_name).text);
    return found != m_first.end() ? found->second : nullptr;
}

void ReadRoles(const xls_sheet& sheet, Document& doc) {
    // The keys are role IDs, except when the sheet lists its roles by name alone.
    const bool keys_are_names =
        sheet.find_column("role_code_list") == nullptr && sheet.find_column("role_list") != nullptr;
    std::uint32_t running = 0;
    for (const auto& [key, role_key] : CollectRoleKeys(sheet)) {
        RoleRecord* role = doc.NewRole();
        if (role == nullptr) return;
        role->role_id = s_unsigned_long(++running);
        if (!keys_are_names) role->role_short_name = s_string(std::string_view(key));
        if (role_key.named) role->role_name = s_string(std::string_view(role_key.name));
    }
}

bool ReadResourceSheet(Document& doc, const xls_sheet& sheet, XlsImportState& state) {
    if (doc.FindProject(s_unsigned_long(1)) == nullptr) return false;
    std::vector<ResourceColumnReader> readers;
    if (sheet.row_count() > kFirstDataRow) {
        for (std::uint32_t c = 0; c < sheet.column_count(); ++c)
            readers.push_back(ChooseResourceColumnReader(sheet.header_text(c), sheet.caption_text(c), doc, state));
    }
    std::uint32_t running = 0;
    for (std::uint32_t r = kFirstDataRow; r < sheet.row_count(); ++r) {
        const ResourceRow row{doc.NewRsrc(), doc.NewRsrcRate(), doc.NewCurrType(), doc.NewCalendar()};
        if (row.resource == nullptr || row.rate == nullptr || row.currency == nullptr || row.calendar == nullptr) break;
        const s_unsigned_long n(++running);
        row.resource->rsrc_id = n;
        row.resource->curr_id = n;
        row.resource->clndr_id = n;
        row.rate->rsrc_rate_id = n;
        row.rate->rsrc_id = n;
        row.currency->curr_id = n;
        row.calendar->clndr_id = n;
        row.resource->AddRate(row.rate);
        row.resource->currency = row.currency;
        row.resource->calendar = row.calendar;
        for (std::uint32_t c = 0; c < readers.size(); ++c)
            ReadResourceCell(readers[c], sheet.cell_text(r, c), row, doc, state);
    }
    return true;
}

void ReadResourceRoles(const xls_sheet& sheet, Document& doc) {
    const xls_column* short_names = sheet.find_column("rsrc_short_name");
    const xls_column* role_ids = sheet.find_column("role_id");
    if (short_names == nullptr || role_ids == nullptr || doc.Rsrcs().empty() || doc.Roles().empty()) return;

    std::map<std::string, std::string> pairs;  // short name to role ID; the first row of a name wins
    for (std::uint32_t r = kFirstDataRow; r < sheet.row_count(); ++r) {
        std::string name = sheet.column_text(short_names, r);
        std::string role = sheet.column_text(role_ids, r);
        if (!name.empty() && !role.empty()) pairs.try_emplace(std::move(name), std::move(role));
    }
    const ResourcesByShortName resources(doc);
    std::unordered_map<std::wstring, RoleRecord*> roles;
    for (const auto& role : doc.Roles()) roles.try_emplace(role->role_short_name.text, role.get());
    for (const auto& [name, role_id] : pairs) {
        RsrcRecord* resource = resources.Find(name);
        const auto role = roles.find(s_string(std::string_view(role_id)).text);
        if (resource != nullptr && role != roles.end()) resource->role = role->second;
    }
}

void ReadAssignmentSheet(const xls_sheet& sheet, Document& doc) {
    const xls_column* paths_column = sheet.find_column("rsrc__rsrc_concat_name");
    if (paths_column == nullptr) return;
    std::set<std::string> distinct;
    for (std::uint32_t r = kFirstDataRow; r < sheet.row_count(); ++r) distinct.insert(sheet.column_text(paths_column, r));
    const std::vector<std::string> paths(distinct.begin(), distinct.end());

    // From the last path back: a path that begins the one after it (compared character by
    // character) is left out, and the one after it is compared with the next earlier path.
    std::vector<bool> walked(paths.size(), true);
    if (paths.size() > 1) {
        std::size_t current = paths.size() - 1;
        for (std::size_t i = current; i-- > 0;) {
            if (paths[current].starts_with(paths[i])) {
                walked[i] = false;
            } else {
                current = i;
            }
        }
    }
    const ResourcesByShortName resources(doc);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (walked[i]) LinkResourcePath(paths[i], resources);
    }
}

void LinkResourcePath(std::string_view path, const ResourcesByShortName& resources) {
    const std::vector<std::string> steps = SplitText(path, ".");
    for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
        RsrcRecord* parent = resources.Find(steps[i]);
        RsrcRecord* child = resources.Find(steps[i + 1]);
        // SetParent refuses a resource that has a parent already and a link closing a loop.
        if (parent != nullptr && child != nullptr) child->SetParent(parent);
    }
}

}  // namespace varnholt::document
