# The one place where the shop.scale modules run scalectl: the options every module shares, the
# command line, and the reading of scalectl's --format json output (one object per port, in --port
# order). A module decides what to run and what changed; this file knows how scalectl is called.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

import json
import os
import re
import signal
import subprocess

# The options of every module, as Ansible checks them.
COMMON_ARGS = dict(
    ports=dict(type='list', elements='str', required=True),
    baud=dict(type='int', default=9600),
    scalectl=dict(type='str', default='scalectl'),
    records=dict(type='path'),
    archive=dict(type='path'),
    timeout=dict(type='int', default=600),
)

# scalectl's exit codes the modules read as answers rather than failures.
EXIT_DIFFERS = 5
EXIT_USAGE = 64

# A port as scalectl takes it: COMn, an absolute device path, or a network port.
PORT_FORM = re.compile(r'^(COM[1-9][0-9]*|/.+|(socket|rfc2217)://[^/:]+:[0-9]+)$')


def scalectl_path(module):
    name = module.params['scalectl']
    if os.sep in name:
        if not os.access(name, os.X_OK):
            module.fail_json(msg='scalectl not found or not executable: %s' % name)
        return name
    return module.get_bin_path(name, required=True)


def check_ports(module, ports):
    # scalectl without --port would work on COM1: an empty list names no scale at all.
    if not ports:
        module.fail_json(msg='ports names no scale')
    for port in ports:
        if not PORT_FORM.match(port):
            module.fail_json(msg='port %r: not COMn, an absolute device path, socket://HOST:PORT '
                                 'or rfc2217://HOST:PORT' % port)


def scalectl_message(err):
    """What scalectl said, without the usage text that follows a usage error."""
    lines = []
    for line in err.splitlines():
        if line.startswith('usage:'):
            break
        if line.strip():
            lines.append(line.strip())
    return ' '.join(lines)


def execute(module, argv, environ=None):
    """Runs argv under the C locale (scalectl's messages and numbers the same on every shop PC),
    with `environ` added; ends it when it outlasts the module's timeout. Returns (rc, out, err)."""
    env = dict(os.environ)
    env.update(LC_ALL='C', LANG='C')
    env.update(environ or {})
    timeout = module.params['timeout']
    process = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, env=env, start_new_session=True)
    try:
        out, err = process.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        # SIGTERM lets scalectl close its port; SIGKILL when even that hangs.
        os.killpg(process.pid, signal.SIGTERM)
        try:
            process.communicate(timeout=5)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.communicate()
        module.fail_json(msg='scalectl did not finish within %d s (timeout) and was ended: %s'
                             % (timeout, ' '.join(argv[argv.index('--port'):])), cmd=argv)
    return (process.returncode, out.decode('utf-8', 'replace'), err.decode('utf-8', 'replace'))


def run_scalectl(module, command, ports=None, environ=None, archive=None):
    """Runs scalectl COMMAND on the ports (all of the module's by default) and returns
    {port: {"ok", "exit", "error", "result"}} in --port order. Fails the module when scalectl
    gives no object for a port (a usage error, a crash, a bad file): then its message is all there
    is. `environ` is added to scalectl's environment (secrets go there, never on the command
    line); `archive` stands in for the module's archive option."""
    ports = module.params['ports'] if ports is None else ports
    check_ports(module, ports)
    if module.params['timeout'] <= 0:
        module.fail_json(msg='timeout must be a positive number of seconds')
    argv = [scalectl_path(module), '--format', 'json', '--baud', str(module.params['baud'])]
    for port in ports:
        argv += ['--port', port]
    given = dict(records=module.params.get('records'), archive=archive or module.params.get('archive'))
    for option in ('records', 'archive'):
        if given[option]:
            argv += ['--' + option, given[option]]
    argv += command
    rc, out, err = execute(module, argv, environ)
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
        module.fail_json(msg=scalectl_message(err) or 'scalectl gave no result for %s' % ', '.join(missing),
                         rc=rc, cmd=argv)
    return dict((port, results[port]) for port in ports)


def fail_on_errors(module, results, **returned):
    """Fails the module with scalectl's message for every port that failed."""
    failed = ['%s: %s' % (port, r['error']) for port, r in results.items() if not r['ok']]
    if failed:
        module.fail_json(msg='; '.join(failed), scales=results, **returned)
