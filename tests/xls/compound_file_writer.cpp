// compound_file_writer.cpp - compound files written through libgsf.

#include "compound_file_writer.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>
#include <gsf/gsf-output.h>
#include <gsf/gsf-utils.h>

namespace varnholt::test {

bool write_compound_file(const std::filesystem::path& path, const std::string& stream_name,
                         const std::vector<std::uint8_t>& stream) {
    gsf_init();
    GsfOutput* file = gsf_output_stdio_new(path.c_str(), nullptr);
    if (file == nullptr) return false;
    GsfOutfile* root = gsf_outfile_msole_new(file);
    GsfOutput* child = gsf_outfile_new_child(root, stream_name.c_str(), FALSE);
    bool written = gsf_output_write(child, stream.size(), stream.data()) != FALSE;
    written = gsf_output_close(child) != FALSE && written;
    written = gsf_output_close(GSF_OUTPUT(root)) != FALSE && written;
    g_object_unref(child);
    g_object_unref(root);
    g_object_unref(file);
    return written;
}

}  // namespace varnholt::test
