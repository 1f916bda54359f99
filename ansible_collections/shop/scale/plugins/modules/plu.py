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
    a scale without a record gets the whole file.
  - C(changed) is true exactly when rows were sent.
  - In check mode nothing is sent; C(scalectl plu diff) reads the scales and reports what would be
    sent. With C(--diff) the differing PLUs are shown.
version_added: 1.0.0
author: The scale utility's developers
options:
  src:
    description: The PLU text file on the shop PC.
    type: path
    required: true
extends_documentation_fragment:
  - shop.scale.scalectl
'''

EXAMPLES = r'''
- name: Tonight's prices on both scales
  shop.scale.plu:
    ports: [COM1, COM2]
    src: /srv/prices/today.plu

- name: What would change, without sending
  shop.scale.plu:
    ports: [COM1]
    src: /srv/prices/today.plu
  check_mode: true
  diff: true
'''

RETURN = r'''
scales:
  description: Per port, C(sent) and C(current) rows (a push), or C(differences) (check mode).
  returned: always
  type: dict
  sample:
    COM1: {sent: 3, current: 117, plus: [12, 40, 41]}
sent:
  description: The rows sent to all ports together (0 in check mode).
  returned: always
  type: int
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.shop.scale.plugins.module_utils.scalectl import (
    COMMON_ARGS, fail_on_errors, run_scalectl)


def diff_text(port, differences):
    lines = []
    for d in differences:
        if d['kind'] == 'differs':
            lines.append('%s PLU %s %s: %s -> %s\n' % (port, d['plu'], d['field'], d['scale'], d['file']))
        else:
            lines.append('%s PLU %s: %s\n' % (port, d['plu'], d['kind'].replace('-', ' ')))
    return ''.join(lines)


def main():
    argument_spec = dict(COMMON_ARGS)
    argument_spec.update(src=dict(type='path', required=True))
    module = AnsibleModule(argument_spec=argument_spec, supports_check_mode=True)
    src = module.params['src']
    if module.check_mode:
        results = run_scalectl(module, ['plu', 'diff', src])
        fail_on_errors(module, results)
        scales = dict((port, r['result']) for port, r in results.items())
        changed = any(r['result'].get('differences') for r in results.values())
        after = ''.join(diff_text(port, s.get('differences', [])) for port, s in scales.items())
        module.exit_json(changed=changed, sent=0, scales=scales,
                         diff=dict(before='', after=after, after_header=src))
    results = run_scalectl(module, ['plu', 'push', src, '--changed'])
    scales = dict((port, r['result']) for port, r in results.items())
    sent = sum(s.get('sent', 0) for s in scales.values())
    fail_on_errors(module, results, changed=sent > 0, sent=sent)
    after = ''.join('%s PLU %s sent\n' % (port, plu) for port, s in scales.items() for plu in s.get('plus', []))
    module.exit_json(changed=sent > 0, sent=sent, scales=scales,
                     diff=dict(before='', after=after, after_header=src))


if __name__ == '__main__':
    main()
