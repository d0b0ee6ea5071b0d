"""The documentation tells the truth: its Python examples run, its JSON
examples are read by the screener, its console output is what the command
line prints, and every indicator it names is in the generated catalogue.
(The catalogue itself is compared with a fresh generation by the C++ test
`indicator_catalogue`.)"""

import importlib.util
import json
import pathlib
import re

import pytest

from tolvex_screener import Screener, _demo, cli

ROOT = pathlib.Path(__file__).resolve().parents[2]
PAGES = [p for p in [ROOT / "README.md", *sorted((ROOT / "docs").glob("*.md"))] if p.exists()]
FENCE = re.compile(r"^```(\w+)\n(.*?)^```", re.S | re.M)


def blocks(language):
    for page in PAGES:
        for i, m in enumerate(b for b in FENCE.finditer(page.read_text()) if b.group(1) == language):
            yield pytest.param(m.group(2), id=f"{page.name}#{i}")


def catalogue_names():
    text = (ROOT / "docs" / "indicators.md").read_text()
    return set(re.findall(r"^\| `(\w+)` \|", text, re.M))


@pytest.mark.parametrize("code", list(blocks("python")))
def test_python_examples_run(code, capsys):
    if "import pandas" in code and importlib.util.find_spec("pandas") is None:
        pytest.skip("pandas is not installed")
    exec(compile(code, "<docs>", "exec"), {"__name__": "docs_example"})
    # An example that prints says what it prints, in a trailing comment.
    printed = capsys.readouterr().out
    for expected in re.findall(r"print\(.*\)\s+# (.+)$", code, re.M):
        assert expected in printed


@pytest.mark.parametrize("text", list(blocks("json")))
def test_json_examples_are_read(text):
    doc = json.loads(text)
    if "universe" in doc:
        Screener(text)


def test_console_example_is_the_command_line_output(tmp_path, capsys):
    page = (ROOT / "docs" / "python.md").read_text()
    first = next(m.group(2) for m in FENCE.finditer(page) if m.group(1) == "python")
    example = {"__name__": "docs_example"}
    exec(first, example)
    capsys.readouterr()
    (tmp_path / "spec.json").write_text(json.dumps(example["spec"]))
    (tmp_path / "data.json").write_text(json.dumps(example["data"]))
    console = next(m.group(2) for m in FENCE.finditer(page) if m.group(1) == "console")
    command, printed = console.splitlines()[:2]
    assert command == "$ python -m tolvex_screener scan spec.json data.json"
    assert cli.main(["scan", str(tmp_path / "spec.json"), str(tmp_path / "data.json")]) == 0
    assert capsys.readouterr().out == printed + "\n"


def test_every_indicator_named_is_registered():
    names = catalogue_names()
    assert {"Sma", "BollingerBands"} <= names
    used = set()
    for page in PAGES:
        used |= set(re.findall(r'"name": "(\w+)"', page.read_text()))
    used |= set(re.findall(r'"name": "(\w+)"', json.dumps(_demo.demo_spec(["A"]))))
    assert used <= names, used - names
