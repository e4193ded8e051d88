#!/usr/bin/env python3
"""Writes the .xls workbooks the workbook tests read, with python3-xlwt.

    make_fixtures.py OUT_DIR            the workbooks listed below (compound files)
    make_fixtures.py --streams OUT_DIR  compact forms of the same workbooks (no very long texts,
                                        fewer rows) as bare BIFF8 streams (*.biff): the seed
                                        corpus of the BIFF reader's fuzz target

The output depends on nothing but this script and xlwt, so the files are the same on every run.

cells.xls      one sheet "Values" whose column 0 names what column 1 holds (text, numbers of
               every stored form, a date, booleans, errors, formulas with a stored result,
               empty and blank cells, non-ASCII and very long text), plus the sheets
               "Header only", "Repeated" and "Empty".
schedule.xls   the sheet set of a schedule export (TASK, TASKPRED, RSRC, TASKRSRC, USERDATA):
               field names in row 0, captions in row 1, data from row 2; TASK is long enough
               for the stream to span several 4096-byte sectors.

For the workbook import, exports with the columns and settings lines it reads:

export.xls       every sheet the import reads (and a PROJCOST sheet it ignores): activities with
                 WBS paths, dates, costs, a user field and an activity code; relationships by
                 activity ID (one naming an activity the export lacks); resources with roles,
                 rates, currency, calendar, shift and a user field; resource paths; USERDATA
                 with CR LF line ends.
bars_only.xls    activities with start and finish but without the other progress columns.
no_finish.xls    activities with a start but no finish column.
no_userdata.xls  TASK and RSRC sheets but no USERDATA sheet: not a schedule export.
"""

import datetime
import os
import struct
import sys

import xlwt
from xlwt.Cell import FormulaCell

# Records a formula result refers to.
STRING_RECORD = 0x0207
FORMULA_RECORD = 0x0006


class StoredResultFormulaCell(FormulaCell):
    """A FORMULA record carrying the result the formula had when the file was saved.

    xlwt itself stores every formula with an empty-text result; exports store the value, and a
    text value goes into a STRING record right after the FORMULA record.
    """

    __slots__ = ["result"]

    def __init__(self, rowx, colx, xf_idx, frmla, result):
        super().__init__(rowx, colx, xf_idx, frmla)
        self.result = result

    def _result_bytes(self):
        if isinstance(self.result, bool):
            return struct.pack("<BBBBBBH", 1, 0, int(self.result), 0, 0, 0, 0xFFFF)
        if isinstance(self.result, float):
            return struct.pack("<d", self.result)
        if isinstance(self.result, str):
            return struct.pack("<BBBBBBH", 0, 0, 0, 0, 0, 0, 0xFFFF)
        if isinstance(self.result, ErrorResult):
            return struct.pack("<BBBBBBH", 2, 0, self.result.code, 0, 0, 0, 0xFFFF)
        raise TypeError(self.result)

    def get_biff_data(self):
        body = struct.pack("<3H", self.rowx, self.colx, self.xf_idx) + self._result_bytes()
        body += struct.pack("<HL", 0, 0) + self.frmla.rpn()
        data = struct.pack("<2H", FORMULA_RECORD, len(body)) + body
        if isinstance(self.result, str):
            data += string_record(self.result)
        return data


class ErrorResult:
    def __init__(self, code):
        self.code = code


def string_record(text):
    """A STRING record: 16-bit count, option byte, 8-bit or UTF-16 characters."""
    try:
        raw = text.encode("latin-1")
        body = struct.pack("<HB", len(text), 0) + raw
    except UnicodeEncodeError:
        raw = text.encode("utf-16-le")
        body = struct.pack("<HB", len(raw) // 2, 1) + raw
    return struct.pack("<2H", STRING_RECORD, len(body)) + body


def put_formula(book, sheet, rowx, colx, text, result):
    row = sheet.row(rowx)
    row.set_cell_formula(colx, xlwt.Formula(text))  # keeps the row's column bounds right
    xf = book.add_style(xlwt.Style.default_style)
    row.insert_cell(colx, StoredResultFormulaCell(rowx, colx, xf, xlwt.Formula(text), result))


def long_text(length, alphabet):
    return "".join(alphabet[i % len(alphabet)] for i in range(length))


def build_cells_workbook(compact):
    book = xlwt.Workbook(encoding="utf-8")
    values = book.add_sheet("Values", cell_overwrite_ok=True)
    date_style = xlwt.easyxf(num_format_str="YYYY-MM-DD HH:MM")
    framed = xlwt.easyxf("borders: left thin")  # a style makes xlwt keep a blank cell
    bold = xlwt.Font()
    bold.bold = True

    values.write(0, 0, "what")
    values.write(0, 1, "value")
    values.write(1, 0, "What the row holds")
    values.write(1, 1, "Value")

    rows = []  # (label, writer)

    def add(label, writer):
        rows.append((label, writer))

    add("text", lambda r: values.write(r, 1, "Design review"))
    add("empty text", lambda r: values.row(r).set_cell_text(1, ""))
    add("blank", lambda r: values.write(r, 1, "", framed))
    add("absent", lambda r: None)
    add("integer", lambda r: values.write(r, 1, 42))
    add("negative integer", lambda r: values.write(r, 1, -7))
    add("decimal", lambda r: values.write(r, 1, 12.5))
    add("hundredths", lambda r: values.write(r, 1, 0.1))
    add("long decimal", lambda r: values.write(r, 1, 3.14159265358979))
    add("large number", lambda r: values.write(r, 1, 123456789012.25))
    add("tiny number", lambda r: values.write(r, 1, 1.5e-7))
    add("half rounding", lambda r: values.write(r, 1, 2.0000005))
    add("date", lambda r: values.write(r, 1, datetime.datetime(2024, 3, 4, 8, 30), date_style))
    add("true", lambda r: values.write(r, 1, True))
    add("false", lambda r: values.write(r, 1, False))
    add("error", lambda r: values.row(r).set_cell_error(1, "#DIV/0!"))
    add("formula number", lambda r: put_formula(book, values, r, 1, "29/4", 7.25))
    add("formula text", lambda r: put_formula(book, values, r, 1, "\"To\"&\"tal\"", "Total"))
    add("formula wide text", lambda r: put_formula(book, values, r, 1, "\"x\"", "Σ total"))
    add("formula boolean", lambda r: put_formula(book, values, r, 1, "1=1", True))
    add("formula error", lambda r: put_formula(book, values, r, 1, "1/0", ErrorResult(0x07)))
    add("formula no result", lambda r: values.write(r, 1, xlwt.Formula("1+1")))
    add("non-ASCII", lambda r: values.write(r, 1, "Größe ½ — 日本語 😀"))
    add("Latin-1", lambda r: values.write(r, 1, "Café crème"))
    add("rich text", lambda r: values.write_rich_text(r, 1, [("Bold", bold), " and plain"]))
    add("line breaks", lambda r: values.write(r, 1, "line one\nline two\ttab"))
    # Adjacent RK numbers become one MULRK record, adjacent styled blanks one MULBLANK.
    add("numbers in a row", lambda r: [values.write(r, c, v)
                                       for c, v in ((1, 1), (2, 2.5), (3, -3), (4, 4000000))])
    add("blanks in a row", lambda r: [values.write(r, c, "", framed) for c in (1, 2, 3)])
    # Longer than one SST record: the string goes on in a CONTINUE record.
    if not compact:
        add("long wide text", lambda r: values.write(r, 1, long_text(9000, "αβγδ")))
        add("long narrow text", lambda r: values.write(r, 1, long_text(10000, "abcdefghij")))

    for index, (label, writer) in enumerate(rows):
        r = index + 2
        values.write(r, 0, label)
        writer(r)

    header_only = book.add_sheet("Header only")
    for c, name in enumerate(("task_code", "task_name", "status_code")):
        header_only.write(0, c, name)

    repeated = book.add_sheet("Repeated")
    for c, (name, caption) in enumerate((("code", "First code"), ("name", "Name"),
                                         ("code", "Second code"))):
        repeated.write(0, c, name)
        repeated.write(1, c, caption)
    for c, value in enumerate(("A1", "Alpha", "B1")):
        repeated.write(2, c, value)

    book.add_sheet("Empty")
    return book


def write_table(sheet, fields, captions, rows):
    for c, (field, caption) in enumerate(zip(fields, captions)):
        sheet.write(0, c, field)
        sheet.write(1, c, caption)
    for r, row in enumerate(rows, start=2):
        for c, value in enumerate(row):
            if value is not None:
                sheet.write(r, c, value)


def build_schedule_workbook(compact):
    book = xlwt.Workbook(encoding="utf-8")
    statuses = ("Not Started", "In Progress", "Completed")
    names = ("Excavation", "Prüfung Fundament", "Pose des coffrages", "Concrete pour", "Curing")

    tasks = []
    for i in range(24 if compact else 240):
        start = datetime.date(2024, 3, 4) + datetime.timedelta(days=i)
        finish = start + datetime.timedelta(days=i % 5 + 1)
        tasks.append((
            "A%d" % (1000 + 10 * i),
            statuses[i % 3],
            "%s %d" % (names[i % len(names)], i // len(names) + 1),
            "PRJ.%d.%d" % (i // 60 + 1, i // 12 % 5 + 1),
            8 * (i % 5 + 1),
            start.strftime("%d-%b-%y 08:00"),
            finish.strftime("%d-%b-%y 17:00"),
            (i % 7) * 4.5 - 9,
            "PRJ",
        ))
    write_table(book.add_sheet("TASK"),
                ("task_code", "status_code", "task_name", "projwbs__wbs_full_name",
                 "target_drtn_hr_cnt", "start_date", "end_date", "total_float_hr_cnt",
                 "project__proj_short_name"),
                ("Activity ID", "Activity Status", "Activity Name", "WBS",
                 "Original Duration(h)", "Start", "Finish", "Total Float(h)", "Project ID"),
                tasks)

    links = [(tasks[i + 1][0], tasks[i][0], "Finish to Start", 0 if i % 4 else 8)
             for i in range(0, len(tasks) - 1, 3)]
    write_table(book.add_sheet("TASKPRED"),
                ("task_id", "pred_task_id", "pred_type", "lag_hr_cnt"),
                ("Successor", "Predecessor", "Relationship Type", "Lag(h)"), links)

    resources = [("ENG", "Engineer", "Labor", "Design, Review", 85.5),
                 ("CRANE", "Tower crane", "Nonlabor", "", 120),
                 ("STEEL", "Rebar (t)", "Material", "", 940.25)]
    write_table(book.add_sheet("RSRC"),
                ("rsrc_short_name", "rsrc_name", "rsrc_type", "role_name", "cost_per_qty"),
                ("Resource ID", "Resource Name", "Resource Type", "Roles", "Price / Unit($)"),
                resources)

    assignments = [(tasks[i][0], resources[i % 3][0], "SITE.%s" % resources[i % 3][0], 16.0)
                   for i in range(0, min(30, len(tasks)), 2)]
    write_table(book.add_sheet("TASKRSRC"),
                ("task_id", "rsrc_id", "rsrc__rsrc_concat_name", "target_qty"),
                ("Activity ID", "Resource ID", "Resource Path", "Budgeted Units"), assignments)

    userdata = book.add_sheet("USERDATA")
    userdata.write(0, 0, "user_data")
    userdata.write(1, 0, "Settings")
    userdata.write(2, 0, "DurationQtyType=QT_Day\nSmallScaleQtyType=QT_Hour\nCurrencyFormat=Euro")
    return book


def build_export_workbook(compact):
    """A small export of one project, as the workbook import reads it."""
    book = xlwt.Workbook(encoding="utf-8")
    tasks = [
        ("A1000", "Mobilisation", "Completed", "HARBOUR.PREP", "Preparation", "Active",
         "3/4/2024 8:00:00 AM", "3/5/2024 5:00:00 PM", "3/4/2024 8:00:00 AM", "", "", "Y",
         16, 0, 1200.5, 100, "Civil", "PRE", "HBR"),
        ("A1010", "Prüfung Fundament", "In Progress", "HARBOUR.CIVIL.PILES", "Pfähle", "Active",
         "3/6/2024 8:00:00 AM", "3/20/2024 5:00:00 PM", "3/6/2024 8:00:00 AM",
         "3/11/2024 8:00:00 AM", "3/20/2024 5:00:00 PM", "Y", 88, 0, 5000, 40, "Civil", "EXE", "HBR"),
        ("A1020", "Pose des coffrages", "Not Started", "HARBOUR.CIVIL.FORMS", "Coffrages", "Active",
         "3/21/2024 8:00:00 AM", "3/28/2024 5:00:00 PM", "", "3/21/2024 8:00:00 AM",
         "3/28/2024 5:00:00 PM", "N", 48, 16, 0, 0, "Structure", "EXE", "HBR"),
        ("A1030", "Piles complete", "Not Started", "HARBOUR.CIVIL", "Civil works", "Active",
         "", "3/28/2024 5:00:00 PM", "", "", "", "N", 0, 16, 0, 0, "", "EXE", "HBR"),
        ("A1040", "Handover", "Not Started", "HARBOUR", "Harbour extension", "Active",
         "4/2/2024 8:00:00 AM", "", "", "", "", "N", 0, 0, 0, 0, "", "END", "HBR"),
    ]
    write_table(book.add_sheet("TASK"),
                ("task_code", "task_name", "status_code", "wbs_id", "wbs_name", "projwbs__status_code",
                 "start_date", "end_date", "act_start_date", "restart_date", "reend_date",
                 "critical_flag", "target_drtn_hr_cnt", "total_float_hr_cnt", "act_work_cost",
                 "complete_pct", "user_field_3", "actv_code_phase_id", "project__proj_short_name"),
                ("Activity ID", "Activity Name", "Activity Status", "WBS", "WBS Name", "Project Status",
                 "Start", "Finish", "Actual Start", "Remaining Early Start", "Remaining Early Finish",
                 "Critical", "Original Duration(d)", "Total Float(d)", "Actual Labor Cost(€)",
                 "Activity % Complete(%)", "Discipline", "Phase", "Project ID"),
                tasks)

    links = [("A1010", "A1000", "PR_FS", 0), ("A1020", "A1010", "PR_SS", 8),
             ("A1030", "A0999", "PR_FS", 0), ("A1040", "A1030", "PR_FS", 0),
             ("A1030", "A1020", "PR_FF", -4)]
    write_table(book.add_sheet("TASKPRED"),
                ("task_id", "pred_task_id", "pred_type", "lag_hr_cnt", "task__task_name",
                 "predtask__task_name"),
                ("Activity ID", "Predecessor", "Relationship Type", "Lag(d)", "Activity Name",
                 "Predecessor Name"),
                [link + ("", "") for link in links])

    resources = [
        ("SITE", "Site team", "Labor", "SUP", "SUP", "Supervisor", "Euro", "Standard", "Day",
         85.5, 1, 1, "Y", "North"),
        ("ENG", "Ingénieur", "Labor", "DES", "DES,REV", "Designer,Reviewer", "Euro", "Standard",
         "Day", 95, 1, 1, "Y", "South"),
        ("CRANE", "Grúa torre", "Nonlabor", "", "", "", "Euro", "Site 6x10", "", 120, 1, 1, "N",
         ""),
        ("STEEL", "Rebar (t)", "Material", "", "", "", "Euro", "Standard", "", 940.25, 2, 0.5,
         "Y", ""),
    ]
    write_table(book.add_sheet("RSRC"),
                ("rsrc_short_name", "rsrc_name", "rsrc_type", "role_id", "role_code_list",
                 "role_list", "curr_id", "clndr_id", "shift_id", "cost_per_qty", "max_qty_per_hr",
                 "def_qty_per_hr", "active_flag", "user_field_9"),
                ("Resource ID", "Resource Name", "Resource Type", "Primary Role", "Role IDs",
                 "Roles", "Currency", "Calendar", "Shift", "Price / Unit(€)", "Max Units / Time",
                 "Default Units / Time", "Active", "Region"),
                resources)

    assignments = [("A1000", "SITE", "SITE", 16), ("A1010", "ENG", "SITE.ENG", 80),
                   ("A1010", "CRANE", "SITE.CRANE", 40), ("A1020", "CRANE", "SITE.CRANE", 24),
                   ("A1020", "STEEL", "STEEL", 12)]
    write_table(book.add_sheet("TASKRSRC"),
                ("task_id", "rsrc_id", "rsrc__rsrc_concat_name", "target_qty"),
                ("Activity ID", "Resource ID", "Resource Path", "Budgeted Units"), assignments)

    write_table(book.add_sheet("PROJCOST"), ("cost_item", "target_cost"), ("Expense Item", "Budget"),
                [("Permits", 1500)])

    userdata = book.add_sheet("USERDATA")
    userdata.write(0, 0, "user_data")
    userdata.write(1, 0, "Settings")
    userdata.write(2, 0, "DurationQtyType=QT_Day\r\nSmallScaleQtyType=QT_Hour\r\nCurrencyFormat=Euro")
    return book


def build_small_export(task_fields, task_rows, with_user_data=True):
    book = xlwt.Workbook(encoding="utf-8")
    write_table(book.add_sheet("TASK"), task_fields, task_fields, task_rows)
    write_table(book.add_sheet("TASKPRED"), ("task_id", "pred_task_id"), ("Activity ID", "Predecessor"),
                [(task_rows[1][0], task_rows[0][0])])
    write_table(book.add_sheet("RSRC"), ("rsrc_short_name",), ("Resource ID",), [("ENG",)])
    if with_user_data:
        userdata = book.add_sheet("USERDATA")
        userdata.write(0, 0, "user_data")
        userdata.write(1, 0, "Settings")
        userdata.write(2, 0, "DurationQtyType=QT_Hour")
    return book


def build_bars_only_workbook(compact):
    return build_small_export(("task_code", "start_date", "end_date"),
                              [("A1", "3/4/2024 8:00:00 AM", "3/5/2024 5:00:00 PM"),
                               ("A2", "3/6/2024 8:00:00 AM", "3/7/2024 5:00:00 PM")])


def build_no_finish_workbook(compact):
    return build_small_export(("task_code", "start_date", "status_code"),
                              [("A1", "3/4/2024 8:00:00 AM", "Not Started"),
                               ("A2", "3/6/2024 8:00:00 AM", "Not Started")])


def build_no_userdata_workbook(compact):
    return build_small_export(("task_code", "task_name"), [("A1", "Design"), ("A2", "Build")],
                              with_user_data=False)


FIXTURES = {"cells": build_cells_workbook, "schedule": build_schedule_workbook,
            "export": build_export_workbook, "bars_only": build_bars_only_workbook,
            "no_finish": build_no_finish_workbook, "no_userdata": build_no_userdata_workbook}


def main(argv):
    streams = "--streams" in argv
    args = [a for a in argv if a != "--streams"]
    if len(args) != 1:
        sys.exit(__doc__)
    out_dir = args[0]
    os.makedirs(out_dir, exist_ok=True)
    for name, build in FIXTURES.items():
        book = build(compact=streams)
        if streams:
            with open(os.path.join(out_dir, name + ".biff"), "wb") as out:
                out.write(book.get_biff_data())
        else:
            book.save(os.path.join(out_dir, name + ".xls"))


if __name__ == "__main__":
    main(sys.argv[1:])
