// Document_xer.h - a schedule opened from an XER export: the road from a file path to a
// linked, fully derived record model. The reader fills the tables; the build links every
// record to the records its keys name, registers the file's own columns (user-defined fields
// and code types) and adopts its currency; the derived passes run last.
#pragma once

#include "model/Document.h"

#include <filesystem>
#include <string_view>

namespace varnholt::document {

class Document_xer final : public Document {
public:
    // Reads, links and derives the file. False when the file cannot be read or is not an
    // export; the document then holds no usable schedule and must be discarded.
    [[nodiscard]] bool Open(std::wstring_view path) override;
    [[nodiscard]] bool Load(const std::filesystem::path& path);
    // The same over the bytes of a file already in memory (tests, benchmarks).
    [[nodiscard]] bool LoadBytes(std::string_view bytes);

    // How many threads a load may use; 0 (the default) lets it use as many as the machine
    // has and the file can use. The schedule read is the same whatever the count.
    void SetLoadThreads(unsigned threads) { m_load_threads = threads; }

    // Links the records read; run once, after the indexes are built.
    void Build() override;
    // The derived values of activities, WBS elements, projects and resources, after Build.
    void ComputeDerived();

    [[nodiscard]] bool IsXer() const override { return true; }
    [[nodiscard]] ColumnFact FindColumnFact(ColumnFactTable table, std::int32_t field_id) const override;

private:
    unsigned m_load_threads = 0;
};

}  // namespace varnholt::document
