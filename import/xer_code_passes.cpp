// xer_code_passes.cpp - load-time columns, code values and currency of an XER document.

#include "import/xer_code_passes.h"

#include "columns/load_time_columns.h"
#include "model/number_formats.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/CurrTypeRecord.h"
#include "model/records/PCatValRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/RCatValRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/UdfTypeRecord.h"

namespace varnholt::document {

void LinkUdfValues(Document& doc) {
    ColumnCatalog& catalog = ColumnCatalog::Instance();
    for (const auto& type : doc.UdfTypes()) {
        // Refused columns (another table, an id out of range or taken) are simply not shown.
        (void)RegisterUdfColumn(catalog, {.table_name = type->table_name.text,
                                          .udf_type_id = type->udf_type_id.value,
                                          .label = type->udf_type_label.text,
                                          .name = type->udf_type_name.text,
                                          .value_kind = UdfValueKind(type->logical_data_type)});
    }
    const KeyIndex<UdfTypeRecord> types(doc.UdfTypes(), &UdfTypeRecord::udf_type_id);
    for (const auto& value : doc.UdfValues()) LinkUdfValue(*value, types.Find(value->udf_type_id));
}

void LinkActivityCodes(Document& doc, const KeyIndex<ProjectRecord>& projects) {
    ColumnCatalog& catalog = ColumnCatalog::Instance();
    for (const auto& type : doc.ActvTypes()) {
        type->column_key = s_string(CodeColumnFieldName(LoadTimeKind::activity_code, type->actv_code_type.text,
                                                        type->proj_id.value));
        (void)RegisterActivityCodeColumn(catalog, {.type_id = type->actv_code_type_id.value,
                                                   .type_name = type->actv_code_type.text,
                                                   .proj_id = type->proj_id.value,
                                                   .group = ActivityCodeGroup(type->actv_code_type_scope)});
    }
    const KeyIndex<ActvTypeRecord> types(doc.ActvTypes(), &ActvTypeRecord::actv_code_type_id);
    // File order matters: a parent listed before its child passes on its whole dotted path.
    for (const auto& code : doc.ActvCodes())
        LinkActivityCodeValue(*code, types.Find(code->actv_code_type_id),
                              FindIndexed(doc.ActvCodeIndex(), code->parent_actv_code_id));
    for (const auto& assignment : doc.TaskActvs()) {
        LinkActivityCodeAssignment(*assignment, types.Find(assignment->actv_code_type_id),
                                   FindIndexed(doc.ActvCodeIndex(), assignment->actv_code_id),
                                   FindIndexed(doc.TaskIndex(), assignment->task_id), projects.Find(assignment->proj_id));
    }
}

void LinkProjectCodes(Document& doc, const KeyIndex<ProjectRecord>& projects) {
    ColumnCatalog& catalog = ColumnCatalog::Instance();
    for (const auto& type : doc.PCatTypes()) {
        type->column_key = s_string(CodeColumnFieldName(LoadTimeKind::project_code, type->proj_catg_type.text));
        (void)RegisterProjectCodeColumn(catalog, {.type_id = type->proj_catg_type_id.value,
                                                  .type_name = type->proj_catg_type.text});
    }
    const KeyIndex<PCatTypeRecord> types(doc.PCatTypes(), &PCatTypeRecord::proj_catg_type_id);
    const KeyIndex<PCatValRecord> values(doc.PCatVals(), &PCatValRecord::proj_catg_id);
    for (const auto& value : doc.PCatVals())
        LinkProjectCodeValue(*value, types.Find(value->proj_catg_type_id), values.Find(value->parent_proj_catg_id));
    for (const auto& assignment : doc.ProjPCats()) {
        LinkProjectCodeAssignment(*assignment, types.Find(assignment->proj_catg_type_id),
                                  values.Find(assignment->proj_catg_id), projects.Find(assignment->proj_id));
    }
}

void LinkResourceCodes(Document& doc, const KeyIndex<RsrcRecord>& resources) {
    ColumnCatalog& catalog = ColumnCatalog::Instance();
    for (const auto& type : doc.RCatTypes()) {
        type->column_key = s_string(CodeColumnFieldName(LoadTimeKind::resource_code, type->rsrc_catg_type.text));
        (void)RegisterResourceCodeColumn(catalog, {.type_id = type->rsrc_catg_type_id.value,
                                                   .type_name = type->rsrc_catg_type.text});
    }
    const KeyIndex<RCatTypeRecord> types(doc.RCatTypes(), &RCatTypeRecord::rsrc_catg_type_id);
    const KeyIndex<RCatValRecord> values(doc.RCatVals(), &RCatValRecord::rsrc_catg_id);
    for (const auto& value : doc.RCatVals())
        LinkResourceCodeValue(*value, types.Find(value->rsrc_catg_type_id), values.Find(value->parent_rsrc_catg_id));
    for (const auto& assignment : doc.RsrcRCats()) {
        LinkResourceCodeAssignment(*assignment, types.Find(assignment->rsrc_catg_type_id),
                                   values.Find(assignment->rsrc_catg_id), resources.Find(assignment->rsrc_id));
    }
}

void AdoptFileCurrency(const Document& doc) {
    const s_string currency_name = doc.GetHeaderField7();
    for (const auto& currency : doc.CurrTypes()) {
        if (!currency->curr_short_name.equal(currency_name)) continue;
        const NumberFormat format{currency->decimal_symbol.text, currency->digit_group_symbol.text,
                                  currency->curr_symbol.text};
        value_formats().unit_number_format = format;
        value_formats().cost_number_format = format;
        return;
    }
}

}  // namespace varnholt::document
