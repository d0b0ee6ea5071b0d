"""The native module's surface: construction, argument handling, thread
binding, exclusive use and how host-level faults surface."""

import copy
import gc
import importlib.metadata
import importlib.util
import inspect
import json
import pathlib
import pickle
import subprocess
import sys
import threading
import tracemalloc

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import tolvex_screener
from tolvex_screener import Screener, _tolvex_screener

from conftest import SPEC, VERSION_CMD, VERSION_REPLY

UNSENDABLE = "_tolvex_screener::PyScreener is unsendable, but sent to another thread"
DROPPED = "_tolvex_screener::PyScreener is unsendable, but is being dropped on another thread"


def run_in_thread(fn):
    """Runs `fn` on a new thread; returns (result, BaseException or None, thread id)."""
    out = {}

    def body():
        out["ident"] = threading.get_ident()
        try:
            out["result"] = fn()
        except BaseException as exc:  # the fault derives from BaseException
            out["exc"] = exc

    t = threading.Thread(target=body)
    t.start()
    t.join()
    return out.get("result"), out.get("exc"), out["ident"]


def test_version_is_the_same_everywhere():
    # The static method works before any instance exists.
    assert Screener.version() == "0.3.0"
    s = Screener(SPEC)
    assert s.version() == "0.3.0"
    assert _tolvex_screener.__version__ == "0.3.0"
    assert tolvex_screener.__version__ == "0.3.0"
    assert json.loads(s.command(VERSION_CMD)) == {"version": "0.3.0"}
    assert importlib.metadata.version("tolvex_screener") == "0.3.0"


def test_importable_from_the_source_root():
    # The quick start runs from the source root, whose package folder has no
    # compiled module and comes first on the import path.
    root = pathlib.Path(__file__).resolve().parents[2]
    code = "import tolvex_screener as t; print(t.Screener.version(), t.__file__)"
    out = subprocess.run(
        [sys.executable, "-c", code], cwd=root, capture_output=True, text=True, check=True
    )
    version, init_file = out.stdout.split()
    assert version == "0.3.0"
    assert pathlib.Path(init_file).resolve().parent == root / "tolvex_screener"


def test_module_surface():
    assert _tolvex_screener.__all__ == ["__version__", "Screener"]
    assert tolvex_screener.__all__ == ["__version__", "Screener"]
    assert _tolvex_screener.__doc__ == "The native module (`tolvex_screener._tolvex_screener`)."
    assert Screener.__doc__ == (
        "A screener instance driven by JSON commands.\n\n"
        "`unsendable`: the screener holds a streaming universe of stateful indicator\n"
        "evaluators, so a handle is bound to the thread that created it."
    )
    assert Screener.__text_signature__ == "(spec_json)"
    assert Screener.command.__text_signature__ == "($self, cmd_json)"
    assert Screener.command.__doc__ == "Apply a command JSON and return the resulting response JSON."
    assert Screener.version.__text_signature__ == "()"
    assert Screener.version.__doc__ == "The library version."
    assert str(inspect.signature(Screener)) == "(spec_json)"
    # No module-level functions: everything callable is the class.
    public = [n for n in dir(_tolvex_screener) if not n.startswith("_")]
    assert public == ["Screener"]


def test_each_module_object_has_its_own_state():
    # Executing the module again gives a second, independent type; its
    # instances reach the module state through the type even after the module
    # object itself is gone.
    spec = importlib.util.find_spec("tolvex_screener._tolvex_screener")
    assert spec is not None and spec.loader is not None
    fresh = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(fresh)
    assert fresh.__all__ == ["__version__", "Screener"]
    assert fresh.Screener is not Screener
    s = fresh.Screener(SPEC)
    del fresh
    gc.collect()
    assert s.command(VERSION_CMD) == VERSION_REPLY
    _, exc, _ = run_in_thread(lambda: s.command(VERSION_CMD))
    assert exc is not None and UNSENDABLE in str(exc)


def test_arguments_by_keyword():
    s = Screener(spec_json=SPEC)
    assert s.command(cmd_json=VERSION_CMD) == VERSION_REPLY


@pytest.mark.parametrize(
    "call, fragment",
    [
        (lambda: Screener(), "missing 1 required positional argument: .spec_json."),
        (lambda: Screener(SPEC, SPEC), "takes 1 positional argument but 2 were given"),
        (lambda: Screener(SPEC, extra=1), "unexpected keyword argument .extra."),
        (lambda: Screener(SPEC, spec_json=SPEC), "multiple values for argument .spec_json."),
        (lambda: Screener(42), "argument 'spec_json' must be str, not int"),
        (lambda: Screener(SPEC.encode()), "must be str, not bytes"),
        (lambda: Screener(spec_json=None), "must be str, not NoneType"),
    ],
)
def test_constructor_type_errors(call, fragment):
    with pytest.raises(TypeError, match=fragment):
        call()


@pytest.mark.parametrize(
    "args, kwargs, fragment",
    [
        ((), {}, "missing 1 required positional argument: .cmd_json."),
        ((VERSION_CMD, VERSION_CMD), {}, "takes 1 positional argument but 2 were given"),
        ((VERSION_CMD,), {"other": 1}, "unexpected keyword argument .other."),
        ((VERSION_CMD,), {"cmd_json": VERSION_CMD}, "multiple values for argument .cmd_json."),
        ((5,), {}, "argument 'cmd_json' must be str, not int"),
        ((), {"cmd_json": b"{}"}, "must be str, not bytes"),
    ],
)
def test_command_type_errors_leave_the_instance_usable(screener, args, kwargs, fragment):
    with pytest.raises(TypeError, match=fragment):
        screener.command(*args, **kwargs)
    # The in-use flag was released on the error path.
    assert screener.command(VERSION_CMD) == VERSION_REPLY


@pytest.mark.parametrize("duplicate", [copy.copy, copy.deepcopy, pickle.dumps])
def test_instances_cannot_be_duplicated(screener, duplicate):
    # A second handle on the same engine state would free it twice.
    with pytest.raises(TypeError):
        duplicate(screener)


@pytest.mark.parametrize(
    "spec, expected",
    [
        ('{"universe":[],"condition":{"type":"all","conditions":[]}}', "bad spec: universe is empty"),
        (SPEC + " x", "parse: trailing characters"),
        ("", "parse: EOF while parsing a value at line 1 column 0"),
    ],
)
def test_bad_spec_raises_value_error_with_the_error_text(spec, expected):
    with pytest.raises(ValueError) as info:
        Screener(spec)
    assert str(info.value).startswith(expected)
    assert not isinstance(info.value, UnicodeError)


def test_spec_with_trailing_whitespace_is_accepted():
    assert Screener(SPEC + " \t\r\n").command(VERSION_CMD) == VERSION_REPLY


def test_failed_command_returns_an_error_reply_and_the_next_one_works(screener):
    assert screener.command("{}") == '{"error":"bad spec: missing \\"cmd\\"","ok":false}'
    assert screener.command(VERSION_CMD) == VERSION_REPLY


def test_non_ascii_text_crosses_the_boundary_intact(screener):
    reply = json.loads(screener.command('{"cmd":"Ünknown ✓"}'))
    assert reply == {"error": "bad spec: unknown cmd: Ünknown ✓", "ok": False}


@pytest.mark.parametrize("text", ["\udc80", '{"cmd":"version","x":"\ud800"}'])
def test_lone_surrogate_raises_instead_of_crashing(screener, text):
    with pytest.raises(UnicodeEncodeError):
        Screener(text)
    with pytest.raises(UnicodeEncodeError):
        screener.command(text)
    assert screener.command(VERSION_CMD) == VERSION_REPLY


def test_command_on_another_thread_raises_the_fault(screener):
    owner = threading.get_ident()

    def attempt():
        try:
            return screener.command(VERSION_CMD)
        except Exception as exc:  # must not catch the fault
            return exc

    result, exc, ident = run_in_thread(attempt)
    assert result is None, "the fault was caught by `except Exception`"
    assert exc is not None
    assert type(exc).__bases__ == (BaseException,)
    message = str(exc)
    assert message.startswith("assertion `left == right` failed: " + UNSENDABLE)
    assert f"ThreadId({ident})" in message and f"ThreadId({owner})" in message
    assert type(exc) is not None and type(exc).__name__ not in dir(_tolvex_screener)
    # Still usable on the owner thread.
    assert screener.command(VERSION_CMD) == VERSION_REPLY


def test_thread_check_comes_before_the_argument_check(screener):
    _, exc, _ = run_in_thread(lambda: screener.command(5))
    assert exc is not None and UNSENDABLE in str(exc)


def test_version_needs_no_owner(screener):
    result, exc, _ = run_in_thread(screener.version)
    assert (result, exc) == ("0.3.0", None)


def test_instances_owned_by_different_threads_work_independently(screener):
    def own_instance():
        mine = Screener(SPEC)
        return mine.command(VERSION_CMD)

    result, exc, _ = run_in_thread(own_instance)
    assert (result, exc) == (VERSION_REPLY, None)
    assert screener.command(VERSION_CMD) == VERSION_REPLY


class _Tracked:
    """A plain instance: a GC-tracked allocation that no free list absorbs."""


@pytest.mark.skipif(
    sys.version_info >= (3, 12),
    reason="from 3.12 the collector runs only between bytecodes, never inside a native call",
)
def test_reentrant_command_is_already_borrowed(screener):
    # Python code can only run inside a `command` call through the garbage
    # collector: raising the UnicodeEncodeError of a lone surrogate allocates
    # while the instance is in use, and if that allocation crosses the
    # collection threshold, a gc callback re-enters `command`. The call
    # machinery may allocate too, so bring the count a few steps short of the
    # threshold until the collection lands inside the call.
    inner = []
    armed = [False]

    def on_gc(phase, info):
        if armed[0] and phase == "start":
            try:
                inner.append(screener.command(VERSION_CMD))
            except RuntimeError as exc:
                inner.append(exc)

    old_threshold = gc.get_threshold()
    gc.callbacks.append(on_gc)
    try:
        for short_by in range(8):
            gc.collect()
            gc.set_threshold(100)
            keep = [_Tracked() for _ in range(100 - short_by)]
            armed[0] = True
            try:
                screener.command("\udc80")
            except UnicodeEncodeError:
                pass
            armed[0] = False
            del keep
            if any(isinstance(e, RuntimeError) for e in inner):
                break
    finally:
        armed[0] = False
        gc.set_threshold(*old_threshold)
        gc.callbacks.remove(on_gc)
    borrowed = [e for e in inner if isinstance(e, RuntimeError)]
    assert borrowed, f"no collection ran inside the call: {inner}"
    assert str(borrowed[0]) == "Already borrowed"
    assert screener.command(VERSION_CMD) == VERSION_REPLY


def test_drop_on_another_thread_reports_an_unraisable(monkeypatch):
    reports = []
    monkeypatch.setattr(sys, "unraisablehook", lambda u: reports.append(u))

    box = [Screener(SPEC)]
    del box[:]  # dropped on its owner: silent
    assert reports == []

    box.append(Screener(SPEC))
    _, exc, _ = run_in_thread(box.clear)
    assert exc is None
    assert len(reports) == 1
    assert reports[0].exc_type is RuntimeError
    assert str(reports[0].exc_value) == DROPPED


def test_no_leaks_at_the_boundary():
    # Every path allocates fresh objects, so a missing reference release
    # shows up as traced memory growth; the type's reference count catches an
    # unbalanced instance deallocation.
    def cycle(i):
        s = Screener(SPEC)
        s.command(f'{{"cmd":"version","n":{i}}}')
        s.command(f'{{"n":{i}}}')
        for bad in (lambda: Screener(f"{SPEC} {i}"), lambda: s.command(i)):
            try:
                bad()
            except (TypeError, ValueError):
                pass

    for i in range(200):
        cycle(i)
    gc.collect()  # instances kept alive by earlier tests' tracebacks
    type_refs = sys.getrefcount(Screener)
    tracemalloc.start()
    try:
        before = tracemalloc.get_traced_memory()[0]
        for i in range(3000):
            cycle(i)
        gc.collect()
        growth = tracemalloc.get_traced_memory()[0] - before
    finally:
        tracemalloc.stop()
    assert growth < 64 * 1024, f"{growth} bytes retained over 3000 rounds"
    assert sys.getrefcount(Screener) == type_refs


@settings(max_examples=300, deadline=None)
@given(st.text())
def test_any_text_gets_a_json_reply(text):
    # Command failures are replies, never exceptions.
    reply = Screener(SPEC).command(text)
    assert isinstance(json.loads(reply), dict)
