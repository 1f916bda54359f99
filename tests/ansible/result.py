#!/usr/bin/python3
# Prints one value of one host's result of one task from the json callback's output, as JSON.
#
#   result.py OUT.json TASK HOST [KEY]...     e.g. result.py day.json "Reports read" h01 msg
import json
import sys


def main(argv):
    path, task_name, host = argv[1:4]
    with open(path) as f:
        run = json.load(f)
    value = None
    for play in run['plays']:
        for task in play['tasks']:
            if task['task']['name'] == task_name and host in task['hosts']:
                value = task['hosts'][host]
    for key in argv[4:]:
        value = value.get(key) if isinstance(value, dict) else None
    print(json.dumps(value, sort_keys=True))
    return 0


sys.exit(main(sys.argv))
