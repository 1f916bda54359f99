# The one place where the shop.scale modules run scalectl: the options every module shares, the
# command line, and the reading of scalectl's --format json output (one object per port, in --port
# order). A module decides what to run and what changed; this file knows how scalectl is called.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

import json
import os

# The options of every module, as Ansible checks them.
COMMON_ARGS = dict(
    ports=dict(type='list', elements='str', required=True),
    baud=dict(type='int', default=9600),
    scalectl=dict(type='str', default='scalectl'),
    records=dict(type='path'),
    archive=dict(type='path'),
)

# scalectl's exit code for "the scale differs" (plu diff, settings diff): an answer, not a failure.
EXIT_DIFFERS = 5


def scalectl_path(module):
    name = module.params['scalectl']
    if os.sep in name:
        if not os.access(name, os.X_OK):
            module.fail_json(msg='scalectl not found or not executable: %s' % name)
        return name
    return module.get_bin_path(name, required=True)


def run_scalectl(module, command, ports=None):
    """Runs scalectl COMMAND on the ports (all of the module's by default) and returns
    {port: {"ok", "exit", "error", "result"}} in --port order. Fails the module when scalectl
    gives no object for a port (a usage error, a crash): then its message is all there is."""
    ports = module.params['ports'] if ports is None else ports
    # scalectl without --port would work on COM1: an empty list names no scale at all.
    if not ports:
        module.fail_json(msg='ports names no scale')
    argv = [scalectl_path(module), '--format', 'json', '--baud', str(module.params['baud'])]
    for port in ports:
        argv += ['--port', port]
    for option in ('records', 'archive'):
        if module.params.get(option):
            argv += ['--' + option, module.params[option]]
    argv += command
    rc, out, err = module.run_command(argv)
    results = {}
    for line in out.splitlines():
        try:
            answer = json.loads(line)
        except ValueError:
            continue
        if isinstance(answer, dict) and 'port' in answer:
            results[answer['port']] = answer
    missing = [port for port in ports if port not in results]
    if missing:
        module.fail_json(msg=err.strip() or 'scalectl gave no result for %s' % ', '.join(missing),
                         rc=rc, cmd=argv, stderr=err)
    return dict((port, results[port]) for port in ports)


def fail_on_errors(module, results, **returned):
    """Fails the module with scalectl's message for every port that failed."""
    failed = ['%s: %s' % (port, r['error']) for port, r in results.items() if not r['ok']]
    if failed:
        module.fail_json(msg='; '.join(failed), scales=results, **returned)
