# Prints the cells of a workbook's first sheet as a spreadsheet reader takes them, a row a line and
# the cells separated by tabs: numbers as Python writes them, dates in ISO form, empty cells empty.
import datetime
import sys

import openpyxl


def shown(value):
    if value is None:
        return ""
    if isinstance(value, datetime.datetime):
        return value.isoformat()
    if isinstance(value, (int, float)):
        return repr(value)
    return str(value)


sheet = openpyxl.load_workbook(sys.argv[1]).active
for row in sheet.iter_rows(values_only=True):
    print("\t".join(shown(value) for value in row))
