#!/usr/bin/env python3
"""Checks our workbook reader against an independent one (python3-xlrd).

    xlrd_cross_check.py DUMP_TOOL WORKBOOK...

For each workbook, DUMP_TOOL (our xls_dump) and xlrd each list the sheets in order and every
cell with a non-empty text, in the text convention of the workbook view:

    sheet<TAB>name<TAB>rows<TAB>columns
    row<TAB>column<TAB>text

Numbers (dates included) are printed like C's "%lf", booleans "bool", errors "error", text as
it is; tab, line feed, carriage return and backslash are escaped. Any difference fails the check
and is shown as a diff.
"""

import difflib
import subprocess
import sys

import xlrd


def escape(text):
    return (text.replace("\\", "\\\\").replace("\t", "\\t")
            .replace("\n", "\\n").replace("\r", "\\r"))


def cell_text(cell):
    if cell.ctype in (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE):
        return "%f" % cell.value
    if cell.ctype == xlrd.XL_CELL_TEXT:
        return cell.value
    if cell.ctype == xlrd.XL_CELL_BOOLEAN:
        return "bool"
    if cell.ctype == xlrd.XL_CELL_ERROR:
        return "error"
    return ""


def xlrd_dump(path):
    lines = []
    book = xlrd.open_workbook(path)
    for sheet in book.sheets():
        # Our reader gives an empty sheet its row 0, as a row count is one past the last row.
        lines.append("sheet\t%s\t%d\t%d" % (escape(sheet.name), max(sheet.nrows, 1), sheet.ncols))
        for r in range(sheet.nrows):
            for c in range(sheet.ncols):
                text = cell_text(sheet.cell(r, c))
                if text:
                    lines.append("%d\t%d\t%s" % (r, c, escape(text)))
    return lines


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    tool, workbooks = argv[0], argv[1:]
    failed = False
    for path in workbooks:
        ours = subprocess.run([tool, path], capture_output=True, check=False)
        if ours.returncode != 0:
            print("%s: our reader failed: %s" % (path, ours.stderr.decode(errors="replace")))
            failed = True
            continue
        our_lines = ours.stdout.decode("utf-8").splitlines()
        their_lines = xlrd_dump(path)
        if our_lines != their_lines:
            failed = True
            print("%s: readers differ (--- xlrd, +++ ours)" % path)
            sys.stdout.writelines(line + "\n" for line in difflib.unified_diff(
                their_lines, our_lines, "xlrd", "ours", lineterm="", n=2))
        else:
            print("%s: %d lines agree" % (path, len(our_lines)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
