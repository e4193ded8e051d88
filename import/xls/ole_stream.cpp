// ole_stream.cpp - the workbook stream of a compound file, through libgsf.

#include "import/xls/ole_stream.h"

#include "import/xls/biff_reader.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

namespace varnholt {

namespace {

struct object_unref {
    void operator()(void* object) const { g_object_unref(object); }
};
template <typename T>
using gsf_ptr = std::unique_ptr<T, object_unref>;

struct error_free {
    void operator()(GError* error) const { g_error_free(error); }
};

// The workbook stream's names, in order of preference.
constexpr std::array<std::string_view, 2> kStreamNames = {"Workbook", "Book"};

void init_library() {
    // Registers the library's types once per process; later calls find it done.
    static const bool initialised = [] {
        gsf_init();
        return true;
    }();
    (void)initialised;
}

// While alive, the container library's complaints about a damaged file stay unprinted: the
// caller learns of the damage from the status, and core code writes nothing to the console.
class quiet_library_log {
public:
    quiet_library_log() {
        for (std::size_t i = 0; i < kDomains.size(); ++i) {
            m_handlers[i] = g_log_set_handler(kDomains[i], kLevels, &drop, nullptr);
        }
    }
    ~quiet_library_log() {
        for (std::size_t i = 0; i < kDomains.size(); ++i) {
            g_log_remove_handler(kDomains[i], m_handlers[i]);
        }
    }
    quiet_library_log(const quiet_library_log&) = delete;
    quiet_library_log& operator=(const quiet_library_log&) = delete;

private:
    static void drop(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

    static constexpr std::array<const char*, 2> kDomains = {"libgsf:msole", "libgsf"};
    static constexpr auto kLevels = static_cast<GLogLevelFlags>(
        G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE);
    std::array<guint, 2> m_handlers{};
};

bool equals_ascii_no_case(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The child of the root storage holding the workbook stream, or null.
gsf_ptr<GsfInput> find_workbook_stream(GsfInfile* root) {
    const int count = gsf_infile_num_children(root);
    for (std::string_view wanted : kStreamNames) {
        for (int i = 0; i < count; ++i) {
            const char* name = gsf_infile_name_by_index(root, i);
            if (name == nullptr || !equals_ascii_no_case(name, wanted)) continue;
            gsf_ptr<GsfInput> child(gsf_infile_child_by_index(root, i));
            // A storage of that name is a folder, not the stream.
            if (child && GSF_IS_INFILE(child.get()) &&
                gsf_infile_num_children(GSF_INFILE(child.get())) >= 0) {
                continue;
            }
            if (child) return child;
        }
    }
    return nullptr;
}

ole_status read_whole(GsfInput* stream, std::vector<std::uint8_t>& out) {
    const gsf_off_t size = gsf_input_size(stream);
    if (size < 0) return {ole_error::read_failed};
    if (static_cast<std::uint64_t>(size) > kMaxWorkbookStreamBytes) return {ole_error::too_large};
    out.resize(static_cast<std::size_t>(size));
    // Bounded slices: the library may stage a read in a buffer of the size asked for.
    constexpr std::size_t kSlice = std::size_t{1} << 20;
    for (std::size_t done = 0; done < out.size();) {
        const std::size_t step = std::min(kSlice, out.size() - done);
        if (gsf_input_read(stream, step, out.data() + done) == nullptr) {
            out.clear();
            return {ole_error::read_failed};
        }
        done += step;
    }
    return {};
}

}  // namespace

ole_status read_workbook_stream(const std::string& path, std::vector<std::uint8_t>& out) {
    out.clear();
    init_library();
    const quiet_library_log quiet;
    GError* raw_error = nullptr;
    gsf_ptr<GsfInput> file(gsf_input_stdio_new(path.c_str(), &raw_error));
    std::unique_ptr<GError, error_free> open_error(raw_error);
    if (!file) return {ole_error::unreadable};

    raw_error = nullptr;
    gsf_ptr<GsfInfile> root(gsf_infile_msole_new(file.get(), &raw_error));
    std::unique_ptr<GError, error_free> container_error(raw_error);
    if (!root) return {ole_error::not_compound_file};

    gsf_ptr<GsfInput> stream = find_workbook_stream(root.get());
    if (!stream) return {ole_error::no_workbook_stream};
    return read_whole(stream.get(), out);
}

}  // namespace varnholt
