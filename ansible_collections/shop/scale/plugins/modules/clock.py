#!/usr/bin/python
# shop.scale.clock: each scale's clock set from the shop PC when it has drifted too far.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: clock
short_description: Set the clocks of the shop's scales that have drifted
description:
  - Reads each scale's clock (C(scalectl clock get)); a scale whose difference from the shop PC
    (scale minus PC, in seconds) is more than C(max_drift) either way, or whose clock holds no
    valid date, is set to the PC's time (C(scalectl clock set)). The others are left alone.
  - In check mode the clocks are read, none is set.
version_added: 1.0.0
author: The scale utility's developers
options:
  max_drift:
    description: The difference in seconds, either way, that a scale's clock may keep.
    type: int
    default: 30
extends_documentation_fragment:
  - shop.scale.scalectl
attributes:
  check_mode:
    support: full
    description: Reads the clocks and says which would be set; sets none.
  diff_mode:
    support: none
'''

EXAMPLES = r'''
- name: Clocks within half a minute of the shop PC
  shop.scale.clock:
    ports: [COM1, COM2]

- name: Within five seconds
  shop.scale.clock:
    ports: [COM1]
    max_drift: 5
'''

RETURN = r'''
scales:
  description: Per port, the clock as read and whether it was set.
  returned: always
  type: dict
  contains:
    time:
      description: The scale's clock (ISO 8601), null when it holds no valid date.
      type: str
    bytes:
      description: The clock's bytes as read.
      type: str
    difference:
      description: Scale minus PC, in seconds; null when the clock holds no valid date.
      type: int
    set:
      description: The clock was set (or would be, in check mode).
      type: bool
  sample:
    COM1: {time: "2026-12-07T15:25:17", bytes: 1A 0C 07 0F 19 11, difference: -95, set: true}
set:
  description: The ports whose clock was set (or would be, in check mode).
  returned: always
  type: list
  elements: str
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.shop.scale.plugins.module_utils.scalectl import (
    COMMON_ARGS, fail_on_errors, run_scalectl)


def main():
    argument_spec = dict(COMMON_ARGS)
    argument_spec.update(max_drift=dict(type='int', default=30))
    module = AnsibleModule(argument_spec=argument_spec, supports_check_mode=True)
    if module.params['max_drift'] < 0:
        module.fail_json(msg='max_drift must not be negative')
    results = run_scalectl(module, ['clock', 'get'])
    fail_on_errors(module, results)
    scales = dict((port, r['result']) for port, r in results.items())
    drifted = [port for port, s in scales.items()
               if s.get('difference') is None or abs(s['difference']) > module.params['max_drift']]
    for port, s in scales.items():
        s['set'] = port in drifted
    if drifted and not module.check_mode:
        setting = run_scalectl(module, ['clock', 'set'], ports=drifted)
        fail_on_errors(module, setting, changed=True, set=drifted, scales=scales)
    module.exit_json(changed=bool(drifted), set=drifted, scales=scales)


if __name__ == '__main__':
    main()
