"""The command line: ``python -m tolvex_screener`` (or ``tolvex-screener``).

``demo`` screens a bundled generated universe; ``scan SPEC.json DATA.json``
runs one batch scan of a data document. User mistakes (a missing file,
text that is not JSON, a specification or data the screener rejects) end
with a one-line message on standard error and exit status 1, never a
traceback; usage mistakes exit with status 2.
"""

from __future__ import annotations

import argparse
import json
import re
import sys
from collections.abc import Sequence
from typing import NoReturn, TextIO

from . import _demo
from ._errors import ScreenerError
from ._table import format_summary, format_table
from ._tolvex_screener import Screener, __version__
from ._types import ScanResult
from .api import scan

__all__ = ["main"]

PROG = "tolvex_screener"


class UserError(Exception):
    """A mistake in the user's input, reported as one line."""


def _read_text(path: str) -> str:
    try:
        if path == "-":
            return sys.stdin.read()
        with open(path, encoding="utf-8-sig") as f:
            return f.read()
    except UnicodeDecodeError:
        raise UserError(f"{path}: not UTF-8 text") from None
    except OSError as exc:
        raise UserError(f"{path}: {exc.strerror or exc}") from None


def _reject_constant(name: str) -> NoReturn:
    raise ValueError(f"{name} is not a JSON number")


def _check_json(text: str, path: str) -> object:
    try:
        return json.loads(text, parse_constant=_reject_constant)
    except json.JSONDecodeError as exc:
        raise UserError(f"{path}: not valid JSON: {exc.msg} at line {exc.lineno} column {exc.colno}") from None
    except (ValueError, RecursionError) as exc:
        raise UserError(f"{path}: not valid JSON: {exc}") from None


def _scan_files(spec_path: str, data_path: str) -> ScanResult:
    spec_text = _read_text(spec_path)
    data_text = _read_text(data_path)
    try:
        # The native reader reads the specification itself, so that its
        # faults carry the line and column in the user's file.
        screener = Screener(spec_text)
    except ValueError as exc:
        raise UserError(f"{spec_path}: {exc}") from None
    if not isinstance(_check_json(data_text, data_path), dict):
        raise UserError(f"{data_path}: expected a JSON object mapping each symbol to its candles")
    # The checked text goes to the screener as written: numbers keep their
    # exact spelling and nothing is parsed twice into Python objects.
    response = screener.command(_SCAN_PREFIX + data_text + "}")
    doc = json.loads(response)
    if isinstance(doc, dict) and doc.get("ok") is False:
        raise UserError(_data_fault(str(doc.get("error")), data_path))
    return ScanResult.from_json(response)


_SCAN_PREFIX = '{"cmd":"scan","data":'
_POSITION = re.compile(r"^(parse: .*) at line (\d+) column (\d+)$", re.S)


def _data_fault(message: str, data_path: str) -> str:
    """The message of a failed scan, a reader fault placed in the data file.

    Python's reader accepts some text the screener's refuses (numbers out of
    range, deep nesting, lone surrogates); the screener then gives the
    position in the command text, whose first line starts with the prefix.
    """
    found = _POSITION.match(message)
    if found is None:
        return message
    text, line, column = found.group(1), int(found.group(2)), int(found.group(3))
    if line == 1:
        column = max(column - len(_SCAN_PREFIX), 0)
    return f"{data_path}: {text} at line {line} column {column}"


def _print_result(
    result: ScanResult, table: bool, out: TextIO, hide: Sequence[str] = (), score: str = "score"
) -> None:
    if not table:
        print(result.document, file=out)
        return
    if result.matches:
        print(format_table(result, hide, score), file=out)
        print(file=out)
    print(format_summary(result), file=out)


def _run_demo(args: argparse.Namespace, out: TextIO) -> None:
    if args.symbols < 1 or args.bars < 1:
        raise UserError("--symbols and --bars must be at least 1")
    universe = _demo.demo_universe(args.seed, args.symbols, args.bars)
    spec = _demo.demo_spec(list(universe))
    result = scan(spec, universe)
    if args.json:
        print(result.document, file=out)
        return
    print(
        f"tolvex_screener {__version__} demo: {len(universe)} generated symbols x "
        f"{args.bars} daily bars (seed {args.seed})\n",
        file=out,
    )
    print("Screen: symbols where all of these hold at the latest bar", file=out)
    for text, _ in _demo.SCREEN:
        print(f"  - {text}", file=out)
    print(f"  {_demo.RANK_TEXT}\n", file=out)
    # The score is the rank's value, so its own column would repeat it.
    _print_result(result, True, out, hide=(_demo.RANK_LABEL,), score=_demo.RANK_LABEL)


def _parser() -> argparse.ArgumentParser:
    parser = argparse.ArgumentParser(
        prog=PROG, description="A market screener of streaming indicators driven by JSON."
    )
    parser.add_argument("--version", action="version", version=f"%(prog)s {__version__}")
    commands = parser.add_subparsers(dest="command", metavar="COMMAND")

    demo = commands.add_parser("demo", help="screen a bundled generated universe")
    demo.add_argument("--seed", type=int, default=_demo.DEFAULT_SEED,
                      help="seed of the generated universe (default %(default)s)")
    demo.add_argument("--symbols", type=int, default=_demo.DEFAULT_SYMBOLS,
                      help="number of symbols (default %(default)s)")
    demo.add_argument("--bars", type=int, default=_demo.DEFAULT_BARS,
                      help="daily bars per symbol (default %(default)s)")
    demo.add_argument("--json", action="store_true", help="print the result document")

    run = commands.add_parser(
        "scan",
        help="scan a data document with a specification",
        description="Runs one batch scan and prints the result document.",
    )
    run.add_argument("spec", metavar="SPEC.json", help="the scan specification ('-': stdin)")
    run.add_argument(
        "data", metavar="DATA.json",
        help="an object mapping each symbol to its candles or series ('-': stdin)",
    )
    run.add_argument("--table", action="store_true", help="print a table instead of JSON")
    return parser


def main(argv: Sequence[str] | None = None) -> int:
    """Runs the command line; returns the exit status."""
    parser = _parser()
    args = parser.parse_args(argv)
    out = sys.stdout
    try:
        if args.command == "demo":
            _run_demo(args, out)
        elif args.command == "scan":
            if args.spec == "-" and args.data == "-":
                raise UserError("only one of SPEC.json and DATA.json can be read from stdin")
            _print_result(_scan_files(args.spec, args.data), args.table, out)
        else:
            parser.print_help(sys.stderr)
            return 2
    except (UserError, ScreenerError) as exc:
        print(f"{PROG}: error: {exc}", file=sys.stderr)
        return 1
    except KeyboardInterrupt:
        return 130
    except BrokenPipeError:
        # A reader such as `head` went away; nothing left to say.
        sys.stderr.close()
        return 0
    return 0
