"""Live universe cost through the Python module: microseconds per "feed"
call and per "evaluate" over a 100-symbol universe.

Run with the package installed: python bench/live_bench.py
"""

import json
import math
import time

from tolvex_screener import Screener

SYMBOLS = [f"S{i:03d}" for i in range(100)]
ROUNDS = 300


def ind(name, *params):
    return {"kind": "indicator", "name": name, "params": list(params)}


SPEC = {
    "universe": SYMBOLS,
    "condition": {
        "type": "any",
        "conditions": [
            {"type": "cmp", "left": ind("Ema", 12), "op": "crosses_above", "right": ind("Sma", 50)},
            {"type": "rising", "expr": ind("Sma", 20), "bars": 3},
        ],
    },
    "rank": {"by": {"kind": "sub", "left": {"kind": "price", "field": "close"}, "right": ind("Sma", 20)}, "desc": True},
    "limit": 10,
}


def candle(t, s):
    c = 100 + 10 * math.sin(t * 0.1 + s)
    return [t, c, c * 1.01, c * 0.99, c, 1000]


def main():
    screener = Screener(json.dumps(SPEC))
    commands = [
        [json.dumps({"cmd": "feed", "symbol": sym, "candle": candle(t, k)}) for k, sym in enumerate(SYMBOLS)]
        for t in range(ROUNDS)
    ]
    evaluate = '{"cmd":"evaluate"}'
    feed_s = 0.0
    eval_s = 0.0
    evals = 0
    for t, row in enumerate(commands):
        t0 = time.perf_counter()
        for cmd in row:
            screener.command(cmd)
        feed_s += time.perf_counter() - t0
        if t % 10 == 9:
            t0 = time.perf_counter()
            screener.command(evaluate)
            eval_s += time.perf_counter() - t0
            evals += 1
    feeds = ROUNDS * len(SYMBOLS)
    print(f"feed: {feed_s / feeds * 1e6:.2f} us per call ({feeds} calls)")
    print(f"evaluate: {eval_s / evals * 1e6:.1f} us per call over {len(SYMBOLS)} symbols ({evals} calls)")
    print("last result:", screener.command(evaluate)[:160], "...")


if __name__ == "__main__":
    main()
