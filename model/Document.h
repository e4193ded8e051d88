// Document.h - the in-memory schedule: owns every record of the loaded file, one vector per
// table in file order, creates records for the readers, finds them by key, and keeps the four
// id indexes built once after loading. Opening and linking belong to the subclass of each
// file kind.
#pragma once

#include "model/records/record_classes.h"
#include "model/column_facts.h"
#include "model/s_date.h"
#include "model/s_integers.h"
#include "model/s_string.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>


namespace varnholt::document {

template <class Record>
using RecordTable = std::vector<std::unique_ptr<Record>>;

// Not owning; a key shared by two records keeps the first.
template <class Record>
using IdIndex = std::unordered_map<std::uint32_t, Record*>;
template <class Record>
using IdIndex2 = std::unordered_map<std::uint64_t, Record*>;

// The values of the file's header line that the Info page shows.
struct XerHeader {
    s_string version;      // first value after the header token
    s_date export_date;    // second value
    s_string field3;       // fourth value
    s_string field4;       // fifth value
    s_string field7;       // eighth value, carriage returns removed
};

class Document {
public:
    Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    virtual ~Document();

    // Reads the file into the document and links it; false when the file cannot be read.
    [[nodiscard]] virtual bool Open(std::wstring_view path) = 0;
    // Links the loaded records into trees and lists.
    virtual void Build() = 0;
    [[nodiscard]] virtual bool IsXer() const { return false; }
    [[nodiscard]] virtual bool IsXls() const { return false; }
    [[nodiscard]] virtual bool IsMissingScheduleColumns() const { return false; }
    [[nodiscard]] virtual bool HasStartAndFinishColumns() const { return false; }
    [[nodiscard]] virtual bool ShowsRelationshipLines() const { return false; }
    // What the column catalogue says of the open file's column of a field id (column_facts.h).
    // The model does not link the catalogue, so the import's documents answer; the base knows
    // no column, and the roll-ups and workbook passes that ask then leave their values alone.
    [[nodiscard]] virtual ColumnFact FindColumnFact(ColumnFactTable /*table*/, std::int32_t /*field_id*/) const {
        return {};
    }

    // Header.
    [[nodiscard]] s_string GetXerVersion() const { return m_header.version; }
    [[nodiscard]] s_date GetExportDate() const { return m_header.export_date; }
    [[nodiscard]] s_string GetHeaderField3() const { return m_header.field3; }
    [[nodiscard]] s_string GetHeaderField4() const { return m_header.field4; }
    [[nodiscard]] s_string GetHeaderField7() const { return m_header.field7; }
    [[nodiscard]] XerHeader& Header() { return m_header; }  // for the reader

    // Factories: appends the record to the table in file order and answers it; without one, a
    // new record of the table with its defaults. A reader's worker threads make and fill
    // records and hand them over here, in file order, on the reading thread.
    ActvCodeRecord* NewActvCode(std::unique_ptr<ActvCodeRecord> record = nullptr);
    ActvTypeRecord* NewActvType(std::unique_ptr<ActvTypeRecord> record = nullptr);
    TaskActvRecord* NewTaskActv(std::unique_ptr<TaskActvRecord> record = nullptr);
    TaskProcRecord* NewTaskProc(std::unique_ptr<TaskProcRecord> record = nullptr);
    ObsRecord* NewObs(std::unique_ptr<ObsRecord> record = nullptr);
    ProjWbsRecord* NewProjWbs(std::unique_ptr<ProjWbsRecord> record = nullptr);
    TaskRecord* NewTask(std::unique_ptr<TaskRecord> record = nullptr);
    ProjectRecord* NewProject(std::unique_ptr<ProjectRecord> record = nullptr);
    RsrcRecord* NewRsrc(std::unique_ptr<RsrcRecord> record = nullptr);
    RsrcRateRecord* NewRsrcRate(std::unique_ptr<RsrcRateRecord> record = nullptr);
    RCatValRecord* NewRCatVal(std::unique_ptr<RCatValRecord> record = nullptr);
    RCatTypeRecord* NewRCatType(std::unique_ptr<RCatTypeRecord> record = nullptr);
    RsrcRCatRecord* NewRsrcRCat(std::unique_ptr<RsrcRCatRecord> record = nullptr);
    RsrcRoleRecord* NewRsrcRole(std::unique_ptr<RsrcRoleRecord> record = nullptr);
    TaskRsrcRecord* NewTaskRsrc(std::unique_ptr<TaskRsrcRecord> record = nullptr);
    ShiftRecord* NewShift(std::unique_ptr<ShiftRecord> record = nullptr);
    ShiftPerRecord* NewShiftPer(std::unique_ptr<ShiftPerRecord> record = nullptr);
    CalendarRecord* NewCalendar(std::unique_ptr<CalendarRecord> record = nullptr);
    RoleRecord* NewRole(std::unique_ptr<RoleRecord> record = nullptr);
    RoleRateRecord* NewRoleRate(std::unique_ptr<RoleRateRecord> record = nullptr);
    RoleLimitRecord* NewRoleLimit(std::unique_ptr<RoleLimitRecord> record = nullptr);
    CurrTypeRecord* NewCurrType(std::unique_ptr<CurrTypeRecord> record = nullptr);
    TaskPredRecord* NewTaskPred(std::unique_ptr<TaskPredRecord> record = nullptr);
    PCatValRecord* NewPCatVal(std::unique_ptr<PCatValRecord> record = nullptr);
    PCatTypeRecord* NewPCatType(std::unique_ptr<PCatTypeRecord> record = nullptr);
    ProjPCatRecord* NewProjPCat(std::unique_ptr<ProjPCatRecord> record = nullptr);
    UdfTypeRecord* NewUdfType(std::unique_ptr<UdfTypeRecord> record = nullptr);
    UdfValueRecord* NewUdfValue(std::unique_ptr<UdfValueRecord> record = nullptr);
    MemoTypeRecord* NewMemoType(std::unique_ptr<MemoTypeRecord> record = nullptr);
    MemoRecord* NewTaskMemo(std::unique_ptr<MemoRecord> record = nullptr);
    MemoRecord* NewWbsMemo(std::unique_ptr<MemoRecord> record = nullptr);

    // Lookups: the first record, in file order, whose key field is equal to the key (ids as
    // numbers, texts exactly); null when none is.
    [[nodiscard]] ProjectRecord* FindProject(const s_unsigned_long& proj_id) const;
    [[nodiscard]] ProjWbsRecord* FindWbs(const s_unsigned_long& wbs_id) const;
    [[nodiscard]] ObsRecord* FindObs(const s_unsigned_long& obs_id) const;
    [[nodiscard]] RsrcRecord* FindResource(const s_unsigned_long& rsrc_id) const;
    [[nodiscard]] RsrcRecord* FindResourceByText(const s_string& rsrc_short_name) const;
    [[nodiscard]] CalendarRecord* FindCalendar(const s_unsigned_long& clndr_id) const;
    [[nodiscard]] CalendarRecord* FindCalendarByName(const s_string& clndr_name) const;
    [[nodiscard]] CalendarRecord* GetDefaultCalendar() const;
    [[nodiscard]] std::vector<RsrcRateRecord*> FindResourceRates(const s_unsigned_long& rsrc_id) const;
    [[nodiscard]] CurrTypeRecord* FindCurrency(const s_unsigned_long& curr_id) const;
    [[nodiscard]] UdfTypeRecord* FindUdfType(const s_unsigned_long& udf_type_id) const;
    [[nodiscard]] UdfValueRecord* FindUdfValue(const s_unsigned_long& fk_id, const s_unsigned_long& udf_type_id) const;
    [[nodiscard]] ActvTypeRecord* FindActvType(const s_unsigned_long& actv_code_type_id) const;
    [[nodiscard]] ActvTypeRecord* FindActvTypeByName(const s_string& column_key) const;
    [[nodiscard]] ActvCodeRecord* FindActvCode(const s_unsigned_long& actv_code_type_id, const s_string& short_name) const;
    [[nodiscard]] TaskActvRecord* FindTaskActv(const s_unsigned_long& task_id, const s_unsigned_long& actv_code_type_id) const;
    [[nodiscard]] PCatTypeRecord* FindPCatType(const s_unsigned_long& proj_catg_type_id) const;
    [[nodiscard]] PCatValRecord* FindPCatVal(const s_unsigned_long& proj_catg_id) const;
    [[nodiscard]] ProjPCatRecord* FindProjPCat(const s_unsigned_long& proj_id, const s_unsigned_long& proj_catg_type_id) const;
    [[nodiscard]] RCatTypeRecord* FindRCatType(const s_unsigned_long& rsrc_catg_type_id) const;
    [[nodiscard]] RCatValRecord* FindRCatVal(const s_unsigned_long& rsrc_catg_id) const;
    [[nodiscard]] RsrcRCatRecord* FindRsrcRCat(const s_unsigned_long& rsrc_id, const s_unsigned_long& rsrc_catg_type_id) const;
    [[nodiscard]] RoleRecord* FindRole(const s_unsigned_long& role_id) const;
    [[nodiscard]] ShiftRecord* FindShift(const s_unsigned_long& shift_id) const;
    [[nodiscard]] ShiftRecord* FindShiftByName(const s_string& shift_name) const;
    [[nodiscard]] MemoTypeRecord* FindMemoType(const s_unsigned_long& memo_type_id) const;

    // Fills the four indexes from the tables; run once, after every row is read.
    void BuildIndexes();
    [[nodiscard]] const IdIndex<TaskRecord>& TaskIndex() const { return m_task_index; }
    [[nodiscard]] const IdIndex<ProjWbsRecord>& WbsIndex() const { return m_wbs_index; }
    [[nodiscard]] const IdIndex<ActvCodeRecord>& ActvCodeIndex() const { return m_actv_code_index; }

    // The tables, in file order.
    [[nodiscard]] const RecordTable<ActvCodeRecord>& ActvCodes() const { return m_actv_codes; }
    [[nodiscard]] const RecordTable<ActvTypeRecord>& ActvTypes() const { return m_actv_types; }
    [[nodiscard]] const RecordTable<TaskActvRecord>& TaskActvs() const { return m_task_actvs; }
    [[nodiscard]] const RecordTable<TaskProcRecord>& TaskProcs() const { return m_task_procs; }
    [[nodiscard]] const RecordTable<ObsRecord>& Obs() const { return m_obs; }
    [[nodiscard]] const RecordTable<ProjWbsRecord>& ProjWbs() const { return m_proj_wbs; }
    [[nodiscard]] const RecordTable<TaskRecord>& Tasks() const { return m_tasks; }
    [[nodiscard]] const RecordTable<ProjectRecord>& Projects() const { return m_projects; }
    [[nodiscard]] const RecordTable<TaskPredRecord>& TaskPreds() const { return m_task_preds; }
    [[nodiscard]] const RecordTable<RsrcRecord>& Rsrcs() const { return m_rsrcs; }
    [[nodiscard]] const RecordTable<RsrcRateRecord>& RsrcRates() const { return m_rsrc_rates; }
    [[nodiscard]] const RecordTable<RCatValRecord>& RCatVals() const { return m_rcat_vals; }
    [[nodiscard]] const RecordTable<RCatTypeRecord>& RCatTypes() const { return m_rcat_types; }
    [[nodiscard]] const RecordTable<RsrcRCatRecord>& RsrcRCats() const { return m_rsrc_rcats; }
    [[nodiscard]] const RecordTable<RsrcRoleRecord>& RsrcRoles() const { return m_rsrc_roles; }
    [[nodiscard]] const RecordTable<TaskRsrcRecord>& TaskRsrcs() const { return m_task_rsrcs; }
    [[nodiscard]] const RecordTable<ShiftRecord>& Shifts() const { return m_shifts; }
    [[nodiscard]] const RecordTable<ShiftPerRecord>& ShiftPers() const { return m_shift_pers; }
    [[nodiscard]] const RecordTable<CalendarRecord>& Calendars() const { return m_calendars; }
    [[nodiscard]] const RecordTable<RoleRecord>& Roles() const { return m_roles; }
    [[nodiscard]] const RecordTable<RoleRateRecord>& RoleRates() const { return m_role_rates; }
    [[nodiscard]] const RecordTable<RoleLimitRecord>& RoleLimits() const { return m_role_limits; }
    [[nodiscard]] const RecordTable<CurrTypeRecord>& CurrTypes() const { return m_curr_types; }
    [[nodiscard]] const RecordTable<PCatValRecord>& PCatVals() const { return m_pcat_vals; }
    [[nodiscard]] const RecordTable<PCatTypeRecord>& PCatTypes() const { return m_pcat_types; }
    [[nodiscard]] const RecordTable<ProjPCatRecord>& ProjPCats() const { return m_proj_pcats; }
    [[nodiscard]] const RecordTable<UdfTypeRecord>& UdfTypes() const { return m_udf_types; }
    [[nodiscard]] const RecordTable<UdfValueRecord>& UdfValues() const { return m_udf_values; }
    [[nodiscard]] const RecordTable<MemoTypeRecord>& MemoTypes() const { return m_memo_types; }
    [[nodiscard]] const RecordTable<MemoRecord>& TaskMemos() const { return m_task_memos; }
    [[nodiscard]] const RecordTable<MemoRecord>& WbsMemos() const { return m_wbs_memos; }

private:
    XerHeader m_header;

    RecordTable<ActvCodeRecord> m_actv_codes;
    RecordTable<ActvTypeRecord> m_actv_types;
    RecordTable<TaskActvRecord> m_task_actvs;
    RecordTable<TaskProcRecord> m_task_procs;
    RecordTable<ObsRecord> m_obs;
    RecordTable<ProjWbsRecord> m_proj_wbs;
    RecordTable<TaskRecord> m_tasks;
    RecordTable<ProjectRecord> m_projects;
    RecordTable<TaskPredRecord> m_task_preds;
    RecordTable<RsrcRecord> m_rsrcs;
    RecordTable<RsrcRateRecord> m_rsrc_rates;
    RecordTable<RCatValRecord> m_rcat_vals;
    RecordTable<RCatTypeRecord> m_rcat_types;
    RecordTable<RsrcRCatRecord> m_rsrc_rcats;
    RecordTable<RsrcRoleRecord> m_rsrc_roles;
    RecordTable<TaskRsrcRecord> m_task_rsrcs;
    RecordTable<ShiftRecord> m_shifts;
    RecordTable<ShiftPerRecord> m_shift_pers;
    RecordTable<CalendarRecord> m_calendars;
    RecordTable<RoleRecord> m_roles;
    RecordTable<RoleRateRecord> m_role_rates;
    RecordTable<RoleLimitRecord> m_role_limits;
    RecordTable<CurrTypeRecord> m_curr_types;
    RecordTable<PCatValRecord> m_pcat_vals;
    RecordTable<PCatTypeRecord> m_pcat_types;
    RecordTable<ProjPCatRecord> m_proj_pcats;
    RecordTable<UdfTypeRecord> m_udf_types;
    RecordTable<UdfValueRecord> m_udf_values;
    RecordTable<MemoTypeRecord> m_memo_types;
    RecordTable<MemoRecord> m_task_memos;
    RecordTable<MemoRecord> m_wbs_memos;

    IdIndex<TaskRecord> m_task_index;
    IdIndex<ProjWbsRecord> m_wbs_index;
    IdIndex<ActvCodeRecord> m_actv_code_index;
    // The user-defined field values by their owner id (high half) and type id (low half),
    // sorted by key and in file order within a key: a flat list costs a fraction of a map.
    std::vector<std::pair<std::uint64_t, UdfValueRecord*>> m_udf_value_index;
    // The code assignments by their two keys (owner id in the high half, type id in the low),
    // which the rows ask for every code cell; the lookups scan until the indexes are built.
    IdIndex2<TaskActvRecord> m_task_actv_index;
    IdIndex2<ProjPCatRecord> m_proj_pcat_index;
    IdIndex2<RsrcRCatRecord> m_rsrc_rcat_index;
    bool m_indexes_built = false;
};

}  // namespace varnholt::document
