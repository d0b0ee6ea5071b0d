"""Batch scans end to end: exact result documents and error replies."""

import json

import pytest

from tolvex_screener import Screener


def price(field="close"):
    return {"kind": "price", "field": field}


def const(v):
    return {"kind": "const", "value": v}


def ind(name, *params, field=None):
    e = {"kind": "indicator", "name": name, "params": list(params)}
    if field is not None:
        e["field"] = field
    return e


def cmp(left, op, right):
    return {"type": "cmp", "left": left, "op": op, "right": right}


def bars(*closes, start=1):
    return [[start + i, c, c, c, c, 10] for i, c in enumerate(closes)]


def run(spec, data):
    return Screener(json.dumps(spec)).command(json.dumps({"cmd": "scan", "data": data}))


def error(message):
    return json.dumps({"error": message, "ok": False}, separators=(",", ":"))


POSITIVE = cmp(price(), "gt", const(0))

# (spec, data, exact reply). Sma(3) values by hand: mean of the last three closes.
CASES = [
    pytest.param(
        {"universe": ["B", "A", "B"], "condition": POSITIVE},
        {},
        '{"matches":[],"scanned":0,"missing":["B","A"]}',
        id="empty-data",
    ),
    pytest.param(
        {"universe": ["A", "B", "C"], "condition": cmp(ind("Sma", 3), "gt", const(2)), "timeframe": "1h"},
        {"A": bars(1, 2, 3, 4), "B": bars(1, 2, 3), "C": {"candles": bars(5, 5)}, "Z": {"candles": []}},
        '{"matches":[{"symbol":"A","matched":true,"values":{"Sma(3)":3.0}}],"scanned":3,'
        '"stale":["B","C"],"timeframe":"1h"}',
        id="warm-up-stale-outsider",
    ),
    pytest.param(
        {"universe": ["A"], "condition": {"type": "rising", "expr": price(), "bars": 3}},
        {"A": bars(1, 9, 9, 1.123456789)},
        '{"matches":[{"symbol":"A","matched":true,"values":{"prev(price.close,3)":1.0,"price.close":1.12345679}}],'
        '"scanned":1}',
        id="rising-reports-both-ends",
    ),
    pytest.param(
        {
            "universe": ["A", "B", "C"],
            "condition": POSITIVE,
            "rank": {"by": price("volume"), "desc": True},
        },
        {"A": [[1, 1, 1, 1, 1, 7]], "B": [[1, 2, 2, 2, 2, 2.5]], "C": [[1, 3, 3, 3, 3, -1]]},
        '{"matches":[{"symbol":"A","matched":true,"values":{"price.close":1.0,"price.volume":7.0},"score":7.0},'
        '{"symbol":"B","matched":true,"values":{"price.close":2.0,"price.volume":2.5},"score":2.5},'
        '{"symbol":"C","matched":true,"values":{"price.close":3.0,"price.volume":-1.0},"score":-1.0}],"scanned":3}',
        id="rank-desc",
    ),
    pytest.param(
        {
            "universe": ["A", "B", "C", "D"],
            "condition": {"type": "cross_section", "expr": price(), "metric": "rank", "op": "le", "value": 2},
            "rank": {"by": price(), "desc": True},
            "limit": 1,
        },
        {"A": bars(3), "B": bars(5), "C": bars(5), "D": bars(1)},
        '{"matches":[{"symbol":"B","matched":true,"values":{"price.close":5.0,"price.close#rank":1.0},'
        '"score":5.0}],"scanned":4}',
        id="cross-section-rank-and-limit",
    ),
    pytest.param(
        {
            "universe": ["A", "B"],
            "condition": {"type": "breadth", "inner": cmp(price(), "gt", const(2)), "op": "eq", "ratio": 0.5},
        },
        {"A": bars(3), "B": bars(1)},
        '{"matches":[{"symbol":"A","matched":true,"values":{"price.close":3.0}},'
        '{"symbol":"B","matched":true,"values":{"price.close":1.0}}],"scanned":2}',
        id="breadth-share",
    ),
    pytest.param(
        {"universe": ["A"], "condition": cmp(price(), "crosses_above", ind("Sma", 3))},
        # Sma(3) is 1 at the third bar (close 1, at or below) and 2 at the fourth (close 4, above).
        {"A": bars(1, 1, 1, 4)},
        '{"matches":[{"symbol":"A","matched":true,"values":{"Sma(3)":2.0,"price.close":4.0}}],"scanned":1}',
        id="crossing",
    ),
    pytest.param(
        {"universe": ["A"], "condition": POSITIVE},
        {"A": {"candles": bars(1, 2), "books": []}},
        error("A: books feed length 0 does not match 2 candles"),
        id="feed-length",
    ),
    pytest.param(
        {"universe": ["A"], "condition": cmp(ind("VarianceRatio", 4, 2), "gt", const(0))},
        {"A": bars(1, 2)},
        error("indicator VarianceRatio needs the reference feed, which this scan does not supply"),
        id="missing-feed",
    ),
    pytest.param(
        {"universe": ["A"], "condition": cmp(ind("NoSuchThing"), "gt", const(0))},
        {"A": bars(1)},
        error("unknown indicator: NoSuchThing"),
        id="unknown-direct",
    ),
    pytest.param(
        {"universe": ["A", "R"], "reference": "R", "condition": POSITIVE},
        {"A": bars(1), "R": bars(0)},
        error("bad spec: breadth point-and-figure: invalid period: box_size must be finite and positive"),
        id="breadth-box",
    ),
]


@pytest.mark.parametrize("spec,data,want", CASES)
def test_scan_documents(spec, data, want):
    assert run(spec, data) == want


def test_rejected_parameter_names_the_type():
    nested = cmp({"kind": "prev", "of": ind("Sma", 0), "bars": 1}, "gt", const(0))
    reply = json.loads(run({"universe": ["A"], "condition": nested}, {"A": bars(1)}))
    assert reply["ok"] is False
    assert reply["error"].startswith("unknown indicator: Sma: invalid parameters for indicator Sma: ")


def test_parallel_and_synchronised_scans_agree():
    # The same data stepped symbol by symbol and along the merged timeline
    # (a reference symbol forces the latter) gives the same document.
    universe = [f"S{i:02d}" for i in range(30)]
    data = {s: bars(*[100 + ((i * 7 + k * 3) % 17) for i in range(80)]) for k, s in enumerate(universe)}
    spec = {
        "universe": universe,
        "condition": {
            "type": "any",
            "conditions": [
                cmp(ind("Ema", 5), "crosses_above", ind("Sma", 10)),
                {"type": "rising", "expr": ind("Sma", 10), "bars": 2},
            ],
        },
        "rank": {"by": {"kind": "sub", "left": price(), "right": ind("Sma", 10)}, "desc": True},
        "limit": 8,
    }
    parallel = run(spec, data)
    assert len(json.loads(parallel)["matches"]) == 8
    assert run({**spec, "reference": universe[0]}, data) == parallel


def test_scan_leaves_the_live_universe_alone():
    s = Screener(json.dumps({"universe": ["A"], "condition": POSITIVE}))
    s.command(json.dumps({"cmd": "scan", "data": {"A": bars(1)}}))
    assert s.command('{"cmd":"evaluate"}') == '{"matches":[],"scanned":0,"missing":["A"]}'
