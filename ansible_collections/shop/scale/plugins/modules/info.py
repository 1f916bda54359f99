#!/usr/bin/python
# shop.scale.info: what a fleet inventory wants from each scale (scalectl info).
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: info
short_description: Identity, status and clock of the shop's scales
description:
  - Reads each scale's identity, its status byte with the bits named, its clock and the clock's
    difference from the shop PC's (scale minus PC, in seconds), with C(scalectl info).
  - Never changes anything; runs in check mode as well. The data comes back under C(scales); no fact
    is set (register the result).
version_added: 1.0.0
author: The scale utility's developers
extends_documentation_fragment:
  - shop.scale.scalectl
attributes:
  check_mode:
    support: full
    description: Reads only; the same in check mode.
  diff_mode:
    support: none
'''

EXAMPLES = r'''
- name: Inventory of the shop's scales
  shop.scale.info:
    ports: [COM1, COM2]
  register: scales

- name: Show each scale's identity
  ansible.builtin.debug:
    msg: "{{ item.key }}: {{ item.value.identity }}"
  loop: "{{ scales.scales | dict2items }}"
'''

RETURN = r'''
scales:
  description: Per port, what C(scalectl --format json info) returned.
  returned: always
  type: dict
  contains:
    identity:
      description: The identity the scale reports.
      type: str
    status:
      description: The status byte.
      type: int
    status_bits:
      description: The names of the status bits that are set.
      type: list
      elements: str
    clock:
      description: The scale's clock, C(time) (ISO 8601), C(bytes) (as read), C(difference) (scale minus PC, seconds).
      type: dict
  sample:
    COM1:
      identity: SCALE SIM 15KG V1.63
      status: 4
      status_bits: [calibration]
      clock:
        time: "2026-12-07T15:25:17"
        bytes: 1A 0C 07 0F 19 11
        difference: -2
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.shop.scale.plugins.module_utils.scalectl import (
    COMMON_ARGS, fail_on_errors, run_scalectl)


def main():
    module = AnsibleModule(argument_spec=dict(COMMON_ARGS), supports_check_mode=True)
    results = run_scalectl(module, ['info'])
    fail_on_errors(module, results)
    scales = dict((port, r['result']) for port, r in results.items())
    module.exit_json(changed=False, scales=scales)


if __name__ == '__main__':
    main()
