#!/usr/bin/python
# shop.scale.report: the day's figures of each scale (scalectl report), optionally with the Z close.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: report
short_description: Read the sales report of the shop's scales, and close the day
description:
  - Reads each scale's report (C(scalectl report)) and returns its figures; scalectl keeps every
    report read in the sales archive of the shop PC (C(archive)).
  - With C(z=true) the Z close follows each complete read and clears the scale's day. A day is
    closed once. When the archive already holds a close of this scale today that the scale carried
    out, and the scale's totals read zero, no close is sent, C(dest) is left as it was and the task
    is C(ok) (C(force=true) closes anyway).
  - C(changed) is true exactly when a close was carried out.
  - In check mode the report is read (the scale is not changed), nothing is written on the shop PC
    (neither the archive nor C(dest)), and C(changed) says whether the real run would close.
version_added: 1.0.0
author: The scale utility's developers
options:
  z:
    description: Close the day (Z report) after the report has been read and kept.
    type: bool
    default: false
  password:
    description:
      - The scale's Z-close password, 0 to 99999. Without it, scalectl's own default applies.
      - Given to scalectl in its environment, never on its command line; it is never returned.
    type: int
  force:
    description: Close even when this scale's day has already been closed today.
    type: bool
    default: false
  dest:
    description:
      - Also write the report's text to this file on the shop PC (code page 1250, CR LF).
      - With several ports it must hold C({port}), replaced by each port's name.
    type: path
extends_documentation_fragment:
  - shop.scale.scalectl
attributes:
  check_mode:
    support: full
    description: Reads the report; sends no close and writes neither the archive nor C(dest).
  diff_mode:
    support: none
'''

EXAMPLES = r'''
- name: End of day
  shop.scale.report:
    ports: [COM1, COM2]
    z: true
    password: "{{ z_password }}"
    dest: /srv/reports/z-{port}.txt
  register: day

- name: The grand totals
  ansible.builtin.debug:
    msg: "{{ day.scales | dict2items | map(attribute='value.grand_total') | list }}"
'''

RETURN = r'''
scales:
  description: Per port, the report's figures and what became of the close.
  returned: always
  type: dict
  contains:
    kind:
      description: C(Z) when the report was read for a close, else C(X).
      type: str
    identity:
      description: The scale's identity.
      type: str
    closed:
      description: The close was carried out (sent and answered); false when none was sent.
      type: bool
    skipped:
      description: Why no close was sent although C(z) was asked (the day already closed).
      type: str
      returned: when a close was skipped
    document:
      description: The report's document number.
      type: int
    grand_total:
      description: The day's grand total in hundredths.
      type: int
    figures:
      description:
        - Every other figure by name, as a number (C(tax1) to C(tax9), C(hour0_amount) ...,
          C(hour0_count) ..., C(clerk1_sales) ... C(clerk4_discount_total)), amounts in hundredths.
      type: int
  sample:
    COM1:
      kind: Z
      identity: SCALE SIM 15KG V1.63
      closed: true
      document: 118
      grand_total: 431250
      tax1: 0
      clerk1_sales: 120050
closed:
  description: The ports whose day was closed (or would be, in check mode).
  returned: always
  type: list
  elements: str
'''

import datetime
import os

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.shop.scale.plugins.module_utils.scalectl import (
    COMMON_ARGS, fail_on_errors, run_scalectl)

PASSWORD_VARIABLE = 'SCALE_Z_PASSWORD'
MASKED = 'VALUE_SPECIFIED_IN_NO_LOG_PARAMETER'


class ReportModule(AnsibleModule):
    """The password is a short number: left among the values Ansible masks, every figure holding its
    digits would come back masked (a password 0 masks every figure with a 0), so it is taken out of
    them. It is never returned, and every exit, success or failure, the failures of module_utils and
    of get_bin_path too, shows the invocation with the password masked."""

    def __init__(self, **kwargs):
        # A refused argument fails in here, while the password is still among the masked values.
        super(ReportModule, self).__init__(**kwargs)
        self.invocation = dict(module_args=dict(self.params))
        password = self.params['password']
        if password is not None:
            self.invocation['module_args']['password'] = MASKED
            # Every spelling the password came in ("4711", "04711"), not figures that merely hold it.
            self.no_log_values -= set(v for v in self.no_log_values
                                      if v.strip().isdigit() and int(v) == password)

    def _masked(self, kwargs):
        if hasattr(self, 'invocation'):
            kwargs['invocation'] = self.invocation
        return kwargs

    def exit_json(self, **kwargs):
        super(ReportModule, self).exit_json(**self._masked(kwargs))

    def fail_json(self, msg, **kwargs):
        super(ReportModule, self).fail_json(msg, **self._masked(kwargs))


def closed_today(module, identity, port):
    # A close of this scale on this port today that the scale carried out, as the archive holds it
    # (read only; an archive not created yet holds none).
    today = datetime.date.today().isoformat()
    archive = module.params['archive']
    if archive and not os.path.exists(archive):
        return False
    results = run_scalectl(module, ['history', '--scale', identity, '--from', today, '--to', today],
                           ports=[port])
    fail_on_errors(module, results)
    entries = results[port]['result'].get('entries', [])
    return any(e.get('kind') == 'Z' and e.get('close_acknowledged') in (1, True) and e.get('port') == port
               for e in entries)


def nothing_booked(scale):
    # The totals as scalectl judges a day with nothing booked: every total but the document number 0.
    names = ['grand_total'] + ['tax%d' % n for n in range(1, 10)]
    names += ['hour%d_%s' % (h, what) for h in range(24) for what in ('amount', 'count')]
    return all(scale.get(name) == 0 for name in names)


def predict(module, params):
    # Check mode: the report read into a throwaway archive, the close decided as scalectl decides it.
    scratch = os.path.join(module.tmpdir, 'check-archive.db')
    results = run_scalectl(module, ['report'], archive=scratch)
    fail_on_errors(module, results)
    scales = dict((port, r['result']) for port, r in results.items())
    closing = []
    for port, scale in scales.items():
        scale['closed'] = False
        if not params['z']:
            continue
        scale['kind'] = 'Z'
        if not params['force'] and nothing_booked(scale) and closed_today(module, scale['identity'], port):
            scale['skipped'] = 'already closed today'
        else:
            closing.append(port)
    return scales, closing


def main():
    argument_spec = dict(COMMON_ARGS)
    argument_spec.update(z=dict(type='bool', default=False),
                         password=dict(type='int', no_log=True),
                         force=dict(type='bool', default=False),
                         dest=dict(type='path'))
    module = ReportModule(argument_spec=argument_spec, supports_check_mode=True)
    params = module.params
    password = params['password']
    if password is not None and not 0 <= password <= 99999:
        module.fail_json(msg='password must be 0 to 99999')
    if module.check_mode:
        scales, closing = predict(module, params)
        module.exit_json(changed=bool(closing), closed=closing, scales=scales)
    command = ['report']
    environ = {}
    if params['z']:
        command.append('--z')
        if params['force']:
            command.append('--force')
        if password is not None:
            environ[PASSWORD_VARIABLE] = str(password)
    if params['dest']:
        command += ['-o', params['dest']]
    results = run_scalectl(module, command, environ=environ)
    scales = dict((port, r['result']) for port, r in results.items())
    closing = [port for port, s in scales.items() if s.get('closed') is True]
    fail_on_errors(module, results, changed=bool(closing), closed=closing)
    module.exit_json(changed=bool(closing), closed=closing, scales=scales)


if __name__ == '__main__':
    main()
