# The options every shop.scale module shares (module_utils/scalectl.py COMMON_ARGS).
from __future__ import absolute_import, division, print_function

__metaclass__ = type


class ModuleDocFragment(object):
    DOCUMENTATION = r'''
options:
  ports:
    description:
      - The scales on the shop PC, by port name as scalectl takes it (C(COM1), C(/dev/ttyUSB0),
        C(socket://HOST:PORT), C(rfc2217://HOST:PORT)).
      - All ports are worked at once; each has its entry in the result.
    type: list
    elements: str
    required: true
  baud:
    description: The line's baud rate.
    type: int
    default: 9600
  scalectl:
    description: The scalectl program, by name on the PATH or by its path.
    type: str
    default: scalectl
  records:
    description:
      - The database of what each scale holds (scalectl C(--records)); scalectl's own by default.
    type: path
  archive:
    description:
      - The sales archive every report read is kept in (scalectl C(--archive)); scalectl's own by default.
    type: path
  timeout:
    description:
      - Seconds scalectl may take on the shop PC; a scalectl still running then is ended and the
        task fails saying so.
    type: int
    default: 600
attributes:
  action_group:
    support: full
    membership: [shop.scale.scale]
  platform:
    platforms: posix
    description: POSIX shop PCs only (Linux); not Windows.
requirements:
  - scalectl on the managed host
notes:
  - Runs C(scalectl --format json) on the managed host under C(LC_ALL=C); a port that fails fails the
    host with scalectl's message, the other ports' results are still returned in C(scales).
  - The options every module shares can be set once per play with
    C(module_defaults) for the action group C(group/shop.scale.scale).
'''
