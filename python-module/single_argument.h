// Argument parsing for the binding's callables, which all take exactly one
// argument that may be given by position or by keyword.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

namespace tolvex::python {

// Finds the one argument `name` of `func` in `args`/`kwargs` (either may be
// empty; `kwargs` may be null). Returns a borrowed reference, or null with a
// TypeError worded as Python's own call errors: surplus positional,
// unexpected keyword, multiple values, missing argument.
PyObject* single_argument(PyObject* args, PyObject* kwargs, const char* func, const char* name);

}  // namespace tolvex::python
