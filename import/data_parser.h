// data_parser.h - makes the root node of a data tree. Use:
//   auto root = data_parser::new_node(text);
//   root->parse();
//   if (const data_node* days = root->find_child(L"DaysOfWeek")) ...
#pragma once

#include "import/data_node.h"

#include <memory>
#include <string>

namespace varnholt {

class data_parser {
public:
    // A new, unparsed node holding the text; the name and both lists are empty until parse().
    [[nodiscard]] static std::unique_ptr<data_node> new_node(std::wstring text) {
        return std::make_unique<data_node>(std::move(text));
    }
};

}  // namespace varnholt
