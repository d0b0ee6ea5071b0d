"""The command protocol: exact replies for malformed, unknown and state-changing commands."""

import json

import pytest

from tolvex_screener import Screener

SPEC = {
    "universe": ["AAA", "BBB"],
    "condition": {
        "type": "cmp",
        "left": {"kind": "price", "field": "close"},
        "op": "gt",
        "right": {"kind": "const", "value": 1},
    },
}
CANDLE = {"time": 1, "open": 1, "high": 2, "low": 0.5, "close": 1.5}


def error(message: str) -> str:
    return json.dumps({"error": message, "ok": False}, separators=(",", ":"), ensure_ascii=False)


OK = '{"ok":true}'

# Each row: a command text and the exact reply on a fresh instance.
CASES = [
    ("", error("parse: EOF while parsing a value at line 1 column 0")),
    ("{}", error('bad spec: missing "cmd"')),
    ("[]", error('bad spec: missing "cmd"')),
    ('{"cmd":5}', error('bad spec: missing "cmd"')),
    ('{"cmd":"Scan"}', error("bad spec: unknown cmd: Scan")),
    ('{"cmd":"version"}', '{"version":"0.3.0"}'),
    ('{"cmd":"version"}\n', '{"version":"0.3.0"}'),
    ('{"cmd":"version"} x', error("parse: trailing characters at line 1 column 19")),
    ('{"cmd":"version","cmd":"reset"}', OK),
    ('{"cmd":"reset"}', OK),
    ('{"cmd":"feed","candle":{}}', error('bad spec: missing string "symbol"')),
    ('{"cmd":"feed","symbol":7,"candle":{}}', error('bad spec: missing string "symbol"')),
    ('{"cmd":"feed","symbol":"AAA"}', error('bad spec: missing "candle"')),
    ('{"cmd":"feed_batch","symbol":"AAA"}', error('bad spec: missing "candles"')),
    ('{"cmd":"scan"}', error('bad spec: missing "data"')),
    ('{"cmd":"set_spec"}', error('bad spec: missing "spec"')),
    (
        '{"cmd":"feed","symbol":"AAA","candle":[1,1,2,0.5]}',
        error("parse: invalid length 4, expected struct Candle with 6 elements"),
    ),
    (
        '{"cmd":"feed","symbol":"AAA","candle":[1,1,2,0.5,1.5],"feeds":null}',
        error("parse: invalid type: null, expected struct StepFeeds"),
    ),
    (
        '{"cmd":"feed","symbol":"ZZZ","candle":[1,1,2,0.5,1.5]}',
        error("symbol ZZZ is not in the spec's universe"),
    ),
    ('{"cmd":"feed_batch","symbol":"AAA","candles":[]}', OK),
    (
        '{"cmd":"scan","data":{"A":{"derivs":[]}}}',
        error("parse: data did not match any variant of untagged enum SymbolInput"),
    ),
    # Every value of the data map must fit a form, even one a repetition replaces.
    (
        '{"cmd":"scan","data":{"AAA":{"derivs":[]},"AAA":[]}}',
        error("parse: data did not match any variant of untagged enum SymbolInput"),
    ),
    (
        '{"cmd":"scan","data":{"AAA":{"candles":[[1,1,2,0.5,1.5]],"books":[]}}}',
        error("AAA: books feed length 0 does not match 1 candles"),
    ),
    (
        '{"cmd":"scan","data":{"AAA":{"candles":[[1,1,2,0.5,1.5]],'
        '"books":[{"bids":[[100,1]],"asks":[[100,1]]}]}}}',
        error(
            "feed: AAA: feed: invalid input data: invalid order book: "
            "order book must be uncrossed (best_bid < best_ask)"
        ),
    ),
    # Names are echoed as given: non-ASCII as it is, controls escaped.
    ('{"cmd":"v\u00e9rsion"}', error("bad spec: unknown cmd: v\u00e9rsion")),
    (r'{"cmd":"\u0001"}', error("bad spec: unknown cmd: \u0001")),
    (
        '{"cmd":"\u0001"}',
        error("parse: control character (\\u0000-\\u001F) found while parsing a string"
              " at line 1 column 9"),
    ),
    (
        '{"cmd":"set_spec","spec":{"universe":[],"condition":{"type":"all","conditions":[]}}}',
        error("bad spec: universe is empty"),
    ),
    ('{"cmd":"evaluate"}', '{"matches":[],"scanned":0,"missing":["AAA","BBB"]}'),
    ("[" * 200, None),  # checked below: a parse error, not a crash
]


@pytest.mark.parametrize("text,reply", [c for c in CASES if c[1] is not None])
def test_reply(text, reply):
    assert Screener(json.dumps(SPEC)).command(text) == reply


def test_deep_nesting_is_a_parse_error():
    s = Screener(json.dumps(SPEC))
    for depth in (129, 1_000_000):
        reply = json.loads(s.command("[" * depth))
        assert reply["ok"] is False
        assert reply["error"].startswith("parse: recursion limit exceeded")


def feed(s, symbol, close, **extra):
    candle = dict(CANDLE, close=close, high=max(2, close))
    return s.command(json.dumps({"cmd": "feed", "symbol": symbol, "candle": candle, **extra}))


def test_reset_and_set_spec_empty_the_live_universe():
    s = Screener(json.dumps(SPEC))
    assert feed(s, "AAA", 1.5) == OK
    assert json.loads(s.command('{"cmd":"evaluate"}'))["scanned"] == 1
    assert s.command('{"cmd":"reset"}') == OK
    assert json.loads(s.command('{"cmd":"evaluate"}'))["scanned"] == 0

    assert feed(s, "AAA", 1.5) == OK
    # A failed set_spec keeps both the spec and the universe.
    bad = {"cmd": "set_spec", "spec": dict(SPEC, limit=0)}
    assert s.command(json.dumps(bad)) == error("bad spec: limit must be greater than 0")
    assert json.loads(s.command('{"cmd":"evaluate"}'))["scanned"] == 1
    # A successful one empties it even when the spec is unchanged.
    assert s.command(json.dumps({"cmd": "set_spec", "spec": SPEC})) == OK
    assert json.loads(s.command('{"cmd":"evaluate"}'))["scanned"] == 0


def test_feed_batch_keeps_steps_before_a_failure():
    spec = dict(SPEC, condition={
        "type": "cmp",
        "left": {"kind": "indicator", "name": "Sma", "params": [2]},
        "op": "gt",
        "right": {"kind": "const", "value": 0},
    })
    s = Screener(json.dumps(spec))
    candles = [dict(CANDLE, time=t) for t in range(3)]
    assert s.command(json.dumps({"cmd": "feed_batch", "symbol": "AAA", "candles": candles})) == OK
    result = json.loads(s.command('{"cmd":"evaluate"}'))
    assert [m["symbol"] for m in result["matches"]] == ["AAA"]

    # An unknown indicator fails at the first step and stores nothing.
    s.command(json.dumps({"cmd": "set_spec", "spec": dict(spec, condition={
        "type": "cmp",
        "left": {"kind": "indicator", "name": "NoSuchThing"},
        "op": "gt",
        "right": {"kind": "const", "value": 0},
    })}))
    reply = s.command(json.dumps({"cmd": "feed_batch", "symbol": "AAA", "candles": candles}))
    assert reply == error("unknown indicator: NoSuchThing")
    assert json.loads(s.command('{"cmd":"evaluate"}'))["scanned"] == 0


def test_invalid_side_feed_is_reported_and_nothing_applied():
    s = Screener(json.dumps(SPEC))
    book = {"bids": [[100, 1]], "asks": [[100, 1]]}
    trades = [{"price": 10, "size": -1, "side": "buy"}]
    reply = feed(s, "AAA", 1.5, feeds={"orderbook": book, "trades": trades})
    assert reply == error(
        "feed: AAA: books: invalid input data: invalid order book: "
        "order book must be uncrossed (best_bid < best_ask)"
    )
    assert json.loads(s.command('{"cmd":"evaluate"}'))["scanned"] == 0
