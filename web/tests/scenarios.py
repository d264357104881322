"""Scenarios for the page, as spanwise-cli takes them, with the states spanwise-cli gives for them.

A scenario is a list of picks (list name, value), each value an entry's text or "#N", as a user
makes them from the opening state: every pick is in a list that is enabled at that moment, so the
scenarios walk through the states a user reaches."""

import json
import random
import shlex
import subprocess

# The lists by their names in spanwise-cli, with the control ids the page gives them.
LIST_IDS = {
    "model": 1000,
    "memory": 1001,
    "function": 1002,
    "sampling": 1004,
    "scanner": 1003,
    "channels": 1005,
    "range": 1008,
}


def line_of(scenario):
    return " ".join(shlex.quote(f"{name}={value}") for name, value in scenario)


def cli_states(cli, scenarios):
    """spanwise-cli's `state` for each scenario, answered in one run."""
    if scenarios == [[]]:
        # The opening state: no picks at all.
        result = subprocess.run([cli, "state"], capture_output=True, text=True, check=True)
        return [json.loads(result.stdout)]
    lines = "".join(line_of(scenario) + "\n" for scenario in scenarios)
    result = subprocess.run([cli, "state", "-"], input=lines, capture_output=True, text=True,
                            check=False)
    states = [json.loads(line) for line in result.stdout.splitlines()]
    if len(states) != len(scenarios):
        raise RuntimeError(f"spanwise-cli answered {len(states)} of {len(scenarios)} scenarios: "
                           f"{result.stderr}")
    for scenario, state in zip(scenarios, states):
        if "error" in state:
            raise RuntimeError(f"spanwise-cli refused '{line_of(scenario)}': {state['error']}")
    return states


def cli_fit(cli, duration):
    """spanwise-cli's `fit` at the opening conditions: its exit status (0 a range fits, 3 none
    does, 2 the duration cannot be read) and the range it names."""
    result = subprocess.run([cli, "fit", duration, "--json"], capture_output=True, text=True,
                            check=False)
    answer = json.loads(result.stdout) if result.returncode in (0, 3) else {}
    return result.returncode, answer.get("range")


def _next_pick(rng, state):
    """A random entry of a random enabled list, another than the one shown where there is one, so
    that most picks change something."""
    lists = state["lists"]
    name = rng.choice([n for n in LIST_IDS if lists[n]["enabled"]])
    index = rng.randrange(max(1, len(lists[name]["entries"]) - 1))
    if len(lists[name]["entries"]) > 1 and index >= lists[name]["selected"]:
        index += 1
    return name, index


def long_walks(cli, count, length, seed=10):
    """count walks of length picks through reachable states, each from the opening: the first
    pick takes a model (every one in turn), each later one a random entry of a random enabled
    list; every third pick names its entry by position. Then one walk through every model, each
    with REC where its Function list is enabled. Returns each walk as (pick, state) pairs, state
    being spanwise-cli's answer for the walk up to and with that pick."""
    rng = random.Random(seed)
    opening = cli_states(cli, [[]])[0]
    models = opening["lists"]["model"]["entries"]
    picks = [[] for _ in range(count)]
    states = [[] for _ in range(count)]
    picks_made = 0
    for step in range(length):
        for i in range(count):
            state = states[i][-1] if states[i] else opening
            name, index = ("model", i % len(models)) if step == 0 else _next_pick(rng, state)
            picks_made += 1
            picks[i].append((name, _value(state["lists"][name]["entries"], index,
                                          picks_made % 3 == 0)))
        for i, state in enumerate(cli_states(cli, picks)):
            states[i].append(state)
    walks_ = [list(zip(p, s)) for p, s in zip(picks, states)]

    rounds, round_states = [], []
    for model in models:
        rounds.append(("model", model))
        round_states.append(cli_states(cli, [rounds])[0])
        if round_states[-1]["lists"]["function"]["enabled"]:
            rounds.append(("function", "REC"))
            round_states.append(cli_states(cli, [rounds])[0])
    walks_.append(list(zip(rounds, round_states)))
    return walks_


def selection_of(state):
    return tuple(state["lists"][name]["selected"] for name in LIST_IDS)


def _value(entries, index, use_position):
    """The entry as a user writes it: its text, or #N when asked to or when the text alone would
    not name it (empty, or found more than once)."""
    text = entries[index]
    same = sum(1 for entry in entries if entry.lower() == text.lower())
    if use_position or not text or same > 1:
        return f"#{index}"
    return text


def walks(cli, count, longest=6, seed=10):
    """count scenarios of 1 to longest picks, each a walk through reachable states: the first pick
    takes a model (every one in turn), each later one a random entry of a random enabled list.
    Then, for every model whose Function list is enabled, the same model with REC. Returns
    (scenario, state) pairs, state being spanwise-cli's answer for the whole scenario."""
    rng = random.Random(seed)
    opening = cli_states(cli, [[("model", "#0")]])[0]
    models = opening["lists"]["model"]["entries"]
    walks_ = [[] for _ in range(count)]
    states = [opening] * count
    picks_made = 0
    for step in range(longest):
        active = [i for i in range(count) if step < 1 + i % longest]
        for i in active:
            if step == 0:
                name, index = "model", i % len(models)
            else:
                lists = states[i]["lists"]
                name = rng.choice([n for n in LIST_IDS if lists[n]["enabled"]])
                # Another entry than the one shown, so that most picks change something.
                index = rng.randrange(max(1, len(lists[name]["entries"]) - 1))
                if len(lists[name]["entries"]) > 1 and index >= lists[name]["selected"]:
                    index += 1
            picks_made += 1
            # Every third pick names the entry by its position, as users' scripts may.
            value = _value(states[i]["lists"][name]["entries"], index, picks_made % 3 == 0)
            walks_[i] = walks_[i] + [(name, value)]
        for i, state in zip(active, cli_states(cli, [walks_[i] for i in active])):
            states[i] = state
    found = list(zip(walks_, states))

    rec = [[("model", model), ("function", "REC")] for model in models]
    rec_states = cli_states(cli, [[("model", model)] for model in models])
    rec = [scenario for scenario, state in zip(rec, rec_states)
           if state["lists"]["function"]["enabled"]]
    found.extend(zip(rec, cli_states(cli, rec)))
    return found
