#!/usr/bin/python
# shop.scale.plu: the scales hold a PLU file (scalectl plu push --changed, plu diff in check mode).
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: plu
short_description: Make the shop's scales hold a PLU file
description:
  - Sends to each scale the rows of the PLU file C(src) that differ from what the scale holds, with
    C(scalectl plu push --changed); rows the scale already holds are not sent again.
  - What a scale holds is known from the records database (C(records)), kept by every PLU exchange;
    a scale without a record gets the whole file. C(verify) says how far the record is trusted.
  - C(changed) is true exactly when rows were sent.
  - In check mode the same decision is made from the record (C(scalectl plu push --changed
    --dry-run)); no PLU is read or sent, nothing is written, and the result and the diff are those
    of the real run.
version_added: 1.0.0
author: The scale utility's developers
options:
  src:
    description: The PLU text file on the shop PC.
    type: path
    required: true
  verify:
    description:
      - C(written) reads back every row sent and fails the port when one did not stick.
      - C(all) first reads each PLU of the file from the scale and sends every one that differs,
        whatever the record says; it catches a price changed at the counter or a scale reset or
        swapped under the same identity. A read costs about 78 ms a PLU at 9600 baud (a file of
        1,801 rows about 141 s a scale) and about 7 ms at 115200 baud (about 12 s), a run for the
        weekend, not for every night. In check mode it is the record that decides.
      - C(none) trusts the record alone.
    type: str
    choices: [none, written, all]
    default: written
extends_documentation_fragment:
  - shop.scale.scalectl
attributes:
  check_mode:
    support: full
    description: Decides from the record as the real run does; reads no PLU, sends and writes nothing.
  diff_mode:
    support: full
    description: The PLUs sent (or that would be), one line each.
'''

EXAMPLES = r'''
- name: Tonight's prices on both scales
  shop.scale.plu:
    ports: [COM1, COM2]
    src: /srv/prices/today.plu

- name: The weekly run that reads what the scales really hold
  shop.scale.plu:
    ports: [COM1]
    src: /srv/prices/today.plu
    verify: all

- name: What would change, without sending
  shop.scale.plu:
    ports: [COM1]
    src: /srv/prices/today.plu
  check_mode: true
  diff: true
'''

RETURN = r'''
scales:
  description: Per port, what was sent (or would be, in check mode).
  returned: always
  type: dict
  contains:
    sent:
      description: The rows sent.
      type: int
    current:
      description: The PLUs the scale already held as the file says.
      type: int
    plus:
      description: The PLU numbers sent, in the order sent.
      type: list
      elements: int
    dry_run:
      description: True in check mode (nothing was sent).
      type: bool
    not_stuck:
      description: With C(verify=written), the PLUs whose read-back differed from what was sent.
      type: list
      elements: int
      returned: when a row did not stick
  sample:
    COM1: {sent: 3, current: 117, plus: [12, 40, 41], dry_run: false}
sent:
  description: The rows sent to all ports together (would be, in check mode).
  returned: always
  type: int
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.shop.scale.plugins.module_utils.scalectl import (
    COMMON_ARGS, fail_on_errors, run_scalectl)


def main():
    argument_spec = dict(COMMON_ARGS)
    argument_spec.update(src=dict(type='path', required=True),
                         verify=dict(type='str', default='written', choices=['none', 'written', 'all']))
    module = AnsibleModule(argument_spec=argument_spec, supports_check_mode=True)
    src = module.params['src']
    command = ['plu', 'push', src, '--changed']
    if module.check_mode:
        command.append('--dry-run')
    else:
        command += ['--verify', module.params['verify']]
    results = run_scalectl(module, command)
    scales = dict((port, r['result']) for port, r in results.items())
    sent = sum(s.get('sent', 0) for s in scales.values())
    # The same text in check mode and in the real run: the PLUs that go (or would go) out.
    after = ''.join('%s: PLU %s\n' % (port, plu) for port, s in scales.items() for plu in s.get('plus', []))
    diff = dict(before='', after=after, before_header='the scales', after_header=src)
    fail_on_errors(module, results, changed=sent > 0, sent=sent, diff=diff)
    module.exit_json(changed=sent > 0, sent=sent, scales=scales, diff=diff)


if __name__ == '__main__':
    main()
