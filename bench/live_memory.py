"""Memory of a live universe does not grow with the number of steps: peak
resident memory after 1,000 and after 1,000,000 steps of one symbol.

Run with the package installed: python bench/live_memory.py
"""

import json
import math

from tolvex_screener import Screener

SPEC = {
    "universe": ["AAA"],
    "condition": {
        "type": "all",
        "conditions": [
            {
                "type": "cmp",
                "left": {"kind": "indicator", "name": "Ema", "params": [12]},
                "op": "crosses_above",
                "right": {"kind": "indicator", "name": "Sma", "params": [200]},
            },
            {"type": "rising", "expr": {"kind": "price", "field": "close"}, "bars": 20},
        ],
    },
}
BATCH = 1000


def memory_kb():
    out = {}
    with open("/proc/self/status") as f:
        for line in f:
            if line.startswith(("VmRSS:", "VmHWM:")):
                key, value = line.split(":")
                out[key] = int(value.split()[0])
    return out


def batch_command(start):
    candles = []
    for t in range(start, start + BATCH):
        c = 100 + 10 * math.sin(t * 0.01)
        candles.append([t, c, c + 1, c - 1, c, 10])
    return json.dumps({"cmd": "feed_batch", "symbol": "AAA", "candles": candles})


def main():
    screener = Screener(json.dumps(SPEC))
    # The command texts are built once so that the Python side's own memory
    # stays flat while the engine runs.
    commands = [batch_command(i * BATCH) for i in range(20)]
    steps = 0
    checkpoints = {1_000, 1_000_000}
    while steps < 1_000_000:
        reply = screener.command(commands[(steps // BATCH) % len(commands)])
        assert reply == '{"ok":true}', reply
        steps += BATCH
        if steps in checkpoints:
            m = memory_kb()
            print(f"after {steps:>9,} steps: peak RSS {m['VmHWM'] / 1024:.2f} MB, RSS {m['VmRSS'] / 1024:.2f} MB")
    print("evaluate:", screener.command('{"cmd":"evaluate"}'))


if __name__ == "__main__":
    main()
