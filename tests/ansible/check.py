#!/usr/bin/python3
# Reads the json callback's output of one playbook run and checks each host's outcome of one task.
#
#   check.py OUT.json TASK DEFAULT [HOST=STATE]...
#
# STATE is changed, ok (not changed) or failed; DEFAULT holds for the hosts not named. Prints what
# differs and exits 1 on any difference. With --figures, each host that did not fail must have
# returned report figures of every scale whose close was not skipped, every one a number (none masked).
import json
import sys


def outcome(result):
    if result.get('failed') or result.get('unreachable'):
        return 'failed'
    return 'changed' if result.get('changed') else 'ok'


def main(argv):
    figures = '--figures' in argv
    argv = [a for a in argv if a != '--figures']
    path, task_name, default = argv[1:4]
    expected = dict(a.split('=', 1) for a in argv[4:])
    with open(path) as f:
        run = json.load(f)
    results = None
    for play in run['plays']:
        for task in play['tasks']:
            if task['task']['name'] == task_name:
                results = task['hosts']
    if results is None:
        print('no task named %r ran' % task_name)
        return 1
    faults = []
    for host in sorted(run['stats']):
        result = results.get(host, {'failed': True, 'msg': 'task did not run'})
        want = expected.get(host, default)
        got = outcome(result)
        if got != want:
            faults.append('%s: %s, expected %s (%s)' % (host, got, want, result.get('msg', '')))
        if figures and got != 'failed':
            for port, scale in result.get('scales', {}).items():
                if scale.get('skipped'):
                    continue
                if not isinstance(scale.get('grand_total'), int):
                    faults.append('%s %s: no grand total in %s' % (host, port, scale))
                for name, value in scale.items():
                    if name not in ('kind', 'identity', 'closed', 'skipped', 'settled', 'cleared_unread') and not isinstance(value, int):
                        faults.append('%s %s: figure %s is %r' % (host, port, name, value))
    for fault in faults:
        print(fault)
    return 1 if faults else 0


sys.exit(main(sys.argv))
