#!/usr/bin/python
# shop.scale.settings: the scales hold a settings file (scalectl settings push --changed).
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: settings
short_description: Make the shop's scales hold a settings file
description:
  - Reads each scale's settings (the 54 exchanges of a settings pull), compares them by name with
    the settings file C(src), and sends the file only to the scales that differ
    (C(scalectl settings push --changed)). The rate is not in the file and keeps the scale's own.
  - In check mode nothing is sent (C(scalectl settings diff)); with C(--diff) the differing settings
    are shown.
version_added: 1.0.0
author: The scale utility's developers
options:
  src:
    description:
      - The settings file on the shop PC (as the SETTINGS tab's SAVE TO DISK writes it), of 80 lines.
        A file of any other count of lines is refused before any scale is touched.
    type: path
    required: true
extends_documentation_fragment:
  - shop.scale.scalectl
attributes:
  check_mode:
    support: full
    description: Reads the scales' settings and compares; sends nothing.
  diff_mode:
    support: full
'''

EXAMPLES = r'''
- name: The chain's receipt texts and taxes on every scale
  shop.scale.settings:
    ports: [COM1, COM2]
    src: /srv/scales/settings.txt
'''

RETURN = r'''
scales:
  description: Per port, how the scale differed from the file and whether the file was sent.
  returned: always
  type: dict
  contains:
    differences:
      description: Setting name -> C(scale) and C(file) values, for each setting that differs.
      type: dict
    sent:
      description: The file was sent to the scale.
      type: bool
  sample:
    COM1: {sent: true, differences: {currency: {scale: "EUR", file: "CZK"}}}
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.shop.scale.plugins.module_utils.scalectl import (
    COMMON_ARGS, fail_on_errors, run_scalectl)


def main():
    argument_spec = dict(COMMON_ARGS)
    argument_spec.update(src=dict(type='path', required=True))
    module = AnsibleModule(argument_spec=argument_spec, supports_check_mode=True)
    src = module.params['src']
    command = ['settings', 'diff', src] if module.check_mode else ['settings', 'push', src, '--changed']
    results = run_scalectl(module, command)
    scales = dict((port, r['result']) for port, r in results.items())
    changed = any(s.get('differences') for s in scales.values())
    fail_on_errors(module, results, changed=changed)
    before = ''.join('%s %s: %s\n' % (port, name, d['scale'])
                     for port, s in scales.items() for name, d in sorted(s.get('differences', {}).items()))
    after = ''.join('%s %s: %s\n' % (port, name, d['file'])
                    for port, s in scales.items() for name, d in sorted(s.get('differences', {}).items()))
    module.exit_json(changed=changed, scales=scales, diff=dict(before=before, after=after))


if __name__ == '__main__':
    main()
