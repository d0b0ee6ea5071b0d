"""The command line: output and exit status of `demo` and `scan`, and one
line on standard error (never a traceback) for every user mistake."""

import importlib.metadata
import json
import subprocess
import sys

import pytest

from tolvex_screener import Screener, cli

SPEC = {
    "universe": ["A", "B", "C"],
    "condition": {
        "type": "cmp",
        "left": {"kind": "price", "field": "close"},
        "op": "gt",
        "right": {"kind": "indicator", "name": "Sma", "params": [2]},
    },
    "rank": {"by": {"kind": "price", "field": "close"}, "desc": True},
}
# A closes 1, 2, 4 (above its Sma(2) of 3); B closes 4, 3, 2 (below).
DATA = {
    "A": [[1, 1, 1, 1, 1], [2, 1, 2, 1, 2], [3, 2, 4, 2, 4]],
    "B": [[1, 4, 4, 4, 4], [2, 4, 4, 3, 3], [3, 3, 3, 2, 2]],
}


@pytest.fixture
def files(tmp_path):
    spec = tmp_path / "spec.json"
    data = tmp_path / "data.json"
    spec.write_text(json.dumps(SPEC, indent=2))
    data.write_text(json.dumps(DATA, indent=2))
    return spec, data


def run(capsys, *args):
    status = cli.main([str(a) for a in args])
    out, err = capsys.readouterr()
    return status, out, err


def test_scan_prints_the_result_document(files, capsys):
    spec, data = files
    status, out, err = run(capsys, "scan", spec, data)
    raw = Screener(json.dumps(SPEC)).command(json.dumps({"cmd": "scan", "data": DATA}))
    assert (status, out, err) == (0, raw + "\n", "")
    assert json.loads(out)["missing"] == ["C"]


def test_scan_table(files, capsys):
    spec, data = files
    status, out, err = run(capsys, "scan", spec, data, "--table")
    assert status == 0 and err == ""
    lines = out.splitlines()
    assert lines[0].split() == ["symbol", "score", "Sma(2)", "price.close"]
    assert lines[2].split() == ["A", "4.00", "3.00", "4.00"]
    assert lines[-1] == "1 match; 2 scanned; missing: C"


def test_scan_reads_stdin(files, capsys, monkeypatch):
    spec, data = files
    monkeypatch.setattr(sys, "stdin", open(data))
    status, out, _ = run(capsys, "scan", spec, "-")
    assert status == 0 and json.loads(out)["scanned"] == 2


def test_user_mistakes_exit_1_with_one_line(tmp_path, files, capsys):
    spec, data = files

    def write(name, text):
        path = tmp_path / name
        path.write_bytes(text.encode() if isinstance(text, str) else text)
        return path

    unknown = {**SPEC, "condition": {**SPEC["condition"], "right": {"kind": "indicator", "name": "Nope"}}}
    cases = [
        ((tmp_path / "absent.json", data), "absent.json: No such file or directory"),
        ((tmp_path, data), "Is a directory"),
        ((write("s.json", '{"universe": ["A"],\n "condition": }'), data),
         "s.json: parse: expected value at line 2 column 15"),
        ((write("e.json", '{"universe": [], "condition": {"type": "all", "conditions": []}}'), data),
         "e.json: bad spec: universe is empty"),
        ((spec, write("d.json", '{"A": [1,')), "d.json: not valid JSON: Expecting value at line 1 column 10"),
        ((spec, write("n.json", '{"A": [[1, 1, 1, 1, NaN]]}')), "n.json: not valid JSON: NaN is not a JSON number"),
        ((spec, write("l.json", "[1, 2]")), "l.json: expected a JSON object mapping each symbol"),
        ((spec, write("b.json", b'{"A": "\xff"}')), "b.json: not UTF-8 text"),
        ((spec, write("x.json", '{"A": [[1, 1, 1]]}')), "error: parse: data did not match any variant of untagged enum SymbolInput"),
        ((write("u.json", json.dumps(unknown)), data), "error: unknown indicator: Nope"),
    ]
    for (spec_path, data_path), text in cases:
        status, out, err = run(capsys, "scan", spec_path, data_path)
        assert status == 1 and out == "", text
        assert err.startswith("tolvex_screener: error: ") and text in err, (text, err)
        assert err.count("\n") == 1 and "Traceback" not in err


def test_usage_mistakes_exit_2(capsys):
    assert cli.main([]) == 2
    with pytest.raises(SystemExit) as missing_arg:
        cli.main(["scan", "only-one.json"])
    assert missing_arg.value.code == 2
    with pytest.raises(SystemExit) as version:
        cli.main(["--version"])
    assert version.value.code == 0 and capsys.readouterr().out == "tolvex_screener 0.3.0\n"


def test_demo_is_deterministic_and_finds_matches(capsys):
    status, out, err = run(capsys, "demo")
    assert status == 0 and err == ""
    assert "60 generated symbols x 500 daily bars" in out
    header = next(line for line in out.splitlines() if line.startswith("symbol"))
    # The score column carries the rank's label; the rules' values follow.
    assert header.split()[:3] == ["symbol", "Roc(20)", "Ema(20)"]
    assert "RSquared(50)" in header and "PercentB(20,2)" in header
    assert run(capsys, "demo")[1] == out

    status, doc, _ = run(capsys, "demo", "--json")
    result = json.loads(doc)
    assert status == 0 and result["scanned"] == 60 and result["timeframe"] == "1d"
    assert 1 <= len(result["matches"]) <= 10
    scores = [m["score"] for m in result["matches"]]
    assert scores == sorted(scores, reverse=True)
    # Every rule held, so every rule's values are reported for each match.
    for match in result["matches"]:
        values = match["values"]
        assert values["price.close"] > values["Sma(200)"]
        assert 50 <= values["Rsi(14)"] <= 75 and values["Natr(14)"] < 3

    assert run(capsys, "demo", "--seed", "7", "--json")[1] != doc
    assert run(capsys, "demo", "--symbols", "0")[0] == 1


def test_module_entry_point_and_console_script():
    done = subprocess.run(
        [sys.executable, "-m", "tolvex_screener", "scan", "missing-spec.json", "missing-data.json"],
        capture_output=True, text=True,
    )
    assert done.returncode == 1 and done.stdout == ""
    assert done.stderr == "tolvex_screener: error: missing-spec.json: No such file or directory\n"
    (script,) = [
        e for e in importlib.metadata.entry_points(group="console_scripts")
        if e.name == "tolvex-screener"
    ]
    assert script.value == "tolvex_screener.cli:main"
