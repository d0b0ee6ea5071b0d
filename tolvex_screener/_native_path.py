"""Finds the compiled module when the package is imported from the source tree.

Run from the source root (``python -m tolvex_screener``, ``python -c ...``,
``python -m pytest``), the current folder comes first on the import path, and
its ``tolvex_screener/`` folder, which holds no compiled module, shadows the
installed package. The package then also searches the installed copy, so the
source files load together with the installed native module.
"""

from __future__ import annotations

import importlib.machinery
import os
import sys
from collections.abc import MutableSequence

_NATIVE = "_tolvex_screener"


def _has_native(folder: str) -> bool:
    return any(
        os.path.isfile(os.path.join(folder, _NATIVE + suffix))
        for suffix in importlib.machinery.EXTENSION_SUFFIXES
    )


def borrow_installed_module(package_path: MutableSequence[str]) -> None:
    """Appends installed copies of the package to `package_path` when none of
    its folders holds the native module."""
    if any(_has_native(folder) for folder in package_path):
        return
    own = {os.path.realpath(folder) for folder in package_path}
    for entry in sys.path:
        candidate = os.path.join(entry or os.getcwd(), "tolvex_screener")
        if os.path.realpath(candidate) not in own and _has_native(candidate):
            package_path.append(candidate)
            return
