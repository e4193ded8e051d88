#!/usr/bin/env python3
"""Writes the .xls workbooks the workbook tests read, with python3-xlwt.

    make_fixtures.py OUT_DIR            cells.xls and schedule.xls (compound files)
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


FIXTURES = {"cells": build_cells_workbook, "schedule": build_schedule_workbook}


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
