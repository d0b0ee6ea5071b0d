// Objects the binding creates when the module is executed. They live in the
// module's own state rather than in process-wide globals, so every import of
// the module (and every interpreter) gets its own set.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

namespace tolvex::python {

struct ModuleState {
  PyObject* screener_type;  // strong reference
  PyObject* fault_type;     // strong reference; derives directly from BaseException
};

ModuleState* module_state(PyObject* module);

// The state of the module that created `type` (one of this module's types).
ModuleState* state_of_type(PyTypeObject* type);

// Creates the `Screener` type bound to `module`, or returns null with an
// exception set.
PyObject* make_screener_type(PyObject* module);

}  // namespace tolvex::python
