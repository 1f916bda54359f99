# A stdout callback for the tests and the benchmark: the whole run as one JSON document at the end,
# {"plays": [{"tasks": [{"task": {"name"}, "hosts": {HOST: result}}]}], "stats": {HOST: {...}}},
# since ansible-core alone brings no JSON callback.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
name: results_json
type: stdout
short_description: The run's results as one JSON document
description: Collects every task's result per host and prints them with the play's stats at the end.
'''

import json

from ansible.plugins.callback import CallbackBase


class CallbackModule(CallbackBase):
    CALLBACK_VERSION = 2.0
    CALLBACK_TYPE = 'stdout'
    CALLBACK_NAME = 'results_json'

    def __init__(self):
        super(CallbackModule, self).__init__()
        self.plays = []

    def v2_playbook_on_play_start(self, play):
        self.plays.append({'play': {'name': play.get_name()}, 'tasks': []})

    def v2_playbook_on_task_start(self, task, is_conditional):
        self.plays[-1]['tasks'].append({'task': {'name': task.get_name()}, 'hosts': {}})

    def _record(self, result, **extra):
        outcome = dict(result._result)
        outcome.update(extra)
        self.plays[-1]['tasks'][-1]['hosts'][result._host.get_name()] = outcome

    def v2_runner_on_ok(self, result):
        self._record(result)

    def v2_runner_on_failed(self, result, ignore_errors=False):
        self._record(result, failed=True)

    def v2_runner_on_unreachable(self, result):
        self._record(result, unreachable=True)

    def v2_runner_on_skipped(self, result):
        self._record(result, skipped=True)

    def v2_playbook_on_stats(self, stats):
        hosts = sorted(stats.processed.keys())
        summary = dict((host, stats.summarize(host)) for host in hosts)
        self._display.display(json.dumps({'plays': self.plays, 'stats': summary}, indent=1, default=str))
