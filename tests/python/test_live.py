"""The live universe end to end: feed, feed_batch, evaluate, reset, set_spec."""

import json

from tolvex_screener import Screener


def ind(name, *params):
    return {"kind": "indicator", "name": name, "params": list(params)}


def spec(condition, universe=("A", "B", "C")):
    return json.dumps({"universe": list(universe), "condition": condition})


SMA2_RANK_1 = {"type": "cross_section", "expr": ind("Sma", 2), "metric": "rank", "op": "le", "value": 1}


def feed(s, symbol, t, close, feeds=None):
    cmd = {"cmd": "feed", "symbol": symbol, "candle": [t, close, close, close, close, 1]}
    if feeds is not None:
        cmd["feeds"] = feeds
    return s.command(json.dumps(cmd))


def test_symbols_advance_on_their_own_clocks():
    s = Screener(spec(SMA2_RANK_1))
    assert s.command('{"cmd":"evaluate"}') == '{"matches":[],"scanned":0,"missing":["A","B","C"]}'
    assert feed(s, "Q", 1, 1) == '{"error":"symbol Q is not in the spec\'s universe","ok":false}'
    for symbol, t, close in [("A", 100, 1), ("A", 50, 3), ("B", 7, 4), ("B", 8, 4), ("C", 1, 99)]:
        assert feed(s, symbol, t, close) == '{"ok":true}'
    # C is still warming up (one bar for Sma(2)): evaluated, but not ranked.
    assert s.command('{"cmd":"evaluate"}') == (
        '{"matches":[{"symbol":"B","matched":true,"values":{"Sma(2)":4.0,"Sma(2)#rank":1.0}}],"scanned":3}'
    )
    assert s.command('{"cmd":"reset"}') == '{"ok":true}'
    assert feed(s, "B", 9, 4) == '{"ok":true}'
    assert s.command('{"cmd":"evaluate"}') == '{"matches":[],"scanned":1,"missing":["A","C"]}'


def test_feed_batch_stops_at_the_first_error_keeping_earlier_steps():
    s = Screener(spec({"type": "rising", "expr": {"kind": "price", "field": "close"}, "bars": 2}))
    candles = [[t, c, c, c, c, 1] for t, c in [(1, 1), (2, 2), (3, 3)]]
    assert s.command(json.dumps({"cmd": "feed_batch", "symbol": "A", "candles": candles})) == '{"ok":true}'
    assert s.command('{"cmd":"evaluate"}') == (
        '{"matches":[{"symbol":"A","matched":true,"values":{"prev(price.close,2)":1.0,"price.close":3.0}}],'
        '"scanned":1,"missing":["B","C"]}'
    )


def test_feed_requirements_are_checked_per_step():
    s = Screener(spec({"type": "cmp", "left": ind("VarianceRatio", 4, 2), "op": "gt", "right": {"kind": "const", "value": -1}}))
    assert feed(s, "A", 1, 1, {"reference": 5}) == '{"ok":true}'
    missing = '{"error":"indicator VarianceRatio needs the reference feed, which this scan does not supply","ok":false}'
    assert feed(s, "A", 2, 1) == missing
    assert feed(s, "A", 2, 1, [5]) == '{"ok":true}'


def test_set_spec_empties_the_universe():
    s = Screener(spec(SMA2_RANK_1))
    feed(s, "A", 1, 1)
    new = {"universe": ["A"], "condition": {"type": "all", "conditions": []}, "timeframe": "5m"}
    assert s.command(json.dumps({"cmd": "set_spec", "spec": new})) == '{"ok":true}'
    assert s.command('{"cmd":"evaluate"}') == '{"matches":[],"scanned":0,"missing":["A"],"timeframe":"5m"}'
    feed(s, "A", 1, 1)
    assert s.command('{"cmd":"evaluate"}') == (
        '{"matches":[{"symbol":"A","matched":true,"values":{}}],"scanned":1,"timeframe":"5m"}'
    )


def test_unknown_indicator_fails_every_feed_and_stores_nothing():
    nested = {"type": "cmp", "left": {"kind": "prev", "of": ind("Foo"), "bars": 1}, "op": "gt", "right": {"kind": "const", "value": 0}}
    s = Screener(spec(nested))
    for _ in range(2):
        assert feed(s, "A", 1, 1) == '{"error":"unknown indicator: Foo: unknown indicator type: Foo","ok":false}'
    assert s.command('{"cmd":"evaluate"}') == '{"matches":[],"scanned":0,"missing":["A","B","C"]}'
