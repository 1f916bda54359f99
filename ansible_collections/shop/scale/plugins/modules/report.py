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
  - With C(z=true) the Z close follows each complete read and clears the scale's day; in check mode
    the report is read without a close.
version_added: 1.0.0
author: The scale utility's developers
options:
  z:
    description: Close the day (Z report) after the report has been read and kept.
    type: bool
    default: false
  password:
    description: The scale's Z-close password.
    type: int
    default: 0
    no_log: true
  dest:
    description:
      - Also write the report's text to this file on the shop PC (code page 1250, CR LF).
      - With several ports it must hold C({port}), replaced by each port's name.
    type: path
extends_documentation_fragment:
  - shop.scale.scalectl
'''

EXAMPLES = r'''
- name: End of day
  shop.scale.report:
    ports: [COM1, COM2]
    z: true
    dest: /srv/reports/z-{port}.txt
  register: day

- name: The grand totals
  ansible.builtin.debug:
    msg: "{{ day.scales | dict2items | map(attribute='value.grand_total') | list }}"
'''

RETURN = r'''
scales:
  description:
    - Per port, every figure of the report by name (C(document), C(grand_total), C(tax1) to C(tax9),
      C(hour0_amount) ..., C(hour0_count) ..., C(clerk1_sales) ... C(clerk4_discount_total)), amounts
      in hundredths as integers; C(kind) X or Z, C(identity), and C(closed) (the Z close was sent
      and answered).
  returned: always
  type: dict
  sample:
    COM1:
      kind: Z
      identity: SCALE SIM 15KG V1.63
      closed: true
      document: 118
      grand_total: 431250
      tax1: 0
      clerk1_sales: 120050
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.shop.scale.plugins.module_utils.scalectl import (
    COMMON_ARGS, fail_on_errors, run_scalectl)


def main():
    argument_spec = dict(COMMON_ARGS)
    argument_spec.update(z=dict(type='bool', default=False),
                password=dict(type='int', default=0, no_log=True),
                dest=dict(type='path'))
    module = AnsibleModule(argument_spec=argument_spec, supports_check_mode=True)
    params = module.params
    if not 0 <= params['password'] <= 99999:
        module.fail_json(msg='password must be 0 to 99999')
    command = ['report']
    close = params['z'] and not module.check_mode
    if close:
        command += ['--z', '--password', str(params['password'])]
    if params['dest']:
        command += ['-o', params['dest']]
    results = run_scalectl(module, command)
    scales = dict((port, r['result']) for port, r in results.items())
    fail_on_errors(module, results, changed=close)
    module.exit_json(changed=close, scales=scales)


if __name__ == '__main__':
    main()
