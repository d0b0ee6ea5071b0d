// The extension module `_tolvex_screener`: multi-phase initialisation that
// adds `__version__` and `Screener`, each also listed in `__all__`.
#include <string_view>

#include "module_state.h"
#include "screener.h"

namespace tolvex::python {
namespace {

constexpr const char* kModuleDoc = "The native module (`tolvex_screener._tolvex_screener`).";
constexpr const char* kFaultName = "tolvex_screener._tolvex_screener.ScreenerFault";
constexpr const char* kFaultDoc =
    "A fault of the binding itself (a thread or invariant violation). It derives from\n"
    "BaseException so that handlers for Exception do not swallow it.";

// Appends `name` to `__all__` (creating the list on first use), then sets the
// attribute. Steals `value`.
int add_public(PyObject* module, const char* name, PyObject* value) {
  if (value == nullptr) return -1;
  PyObject* dict = PyModule_GetDict(module);                                          // borrowed
  PyObject* all = dict == nullptr ? nullptr : PyDict_GetItemString(dict, "__all__");  // borrowed
  int rc = -1;
  if (all == nullptr) {
    if (dict != nullptr && !PyErr_Occurred()) {
      PyObject* fresh = PyList_New(0);
      if (fresh != nullptr && PyDict_SetItemString(dict, "__all__", fresh) == 0) all = fresh;
      Py_XDECREF(fresh);  // the module dict holds it now
    }
  }
  if (all != nullptr) {
    PyObject* text = PyUnicode_FromString(name);
    if (text != nullptr && PyList_Append(all, text) == 0)
      rc = PyObject_SetAttrString(module, name, value);
    Py_XDECREF(text);
  }
  Py_DECREF(value);
  return rc;
}

int exec_module(PyObject* module) {
  ModuleState* state = module_state(module);
  if (state == nullptr) return -1;
  const std::string_view version = screener::kVersion;
  if (add_public(
          module, "__version__",
          PyUnicode_FromStringAndSize(version.data(), static_cast<Py_ssize_t>(version.size()))) < 0)
    return -1;
  state->fault_type =
      PyErr_NewExceptionWithDoc(kFaultName, kFaultDoc, PyExc_BaseException, nullptr);
  if (state->fault_type == nullptr) return -1;
  state->screener_type = make_screener_type(module);
  if (state->screener_type == nullptr) return -1;
  Py_INCREF(state->screener_type);  // one reference for the state, one given to the module
  return add_public(module, "Screener", state->screener_type);
}

int traverse_module(PyObject* module, visitproc visit, void* arg) {
  ModuleState* state = static_cast<ModuleState*>(PyModule_GetState(module));
  if (state != nullptr) {
    Py_VISIT(state->screener_type);
    Py_VISIT(state->fault_type);
  }
  return 0;
}

int clear_module(PyObject* module) {
  ModuleState* state = static_cast<ModuleState*>(PyModule_GetState(module));
  if (state != nullptr) {
    Py_CLEAR(state->screener_type);
    Py_CLEAR(state->fault_type);
  }
  return 0;
}

void free_module(void* module) {
  clear_module(static_cast<PyObject*>(module));
}

PyModuleDef_Slot kSlots[] = {
    {Py_mod_exec, reinterpret_cast<void*>(exec_module)},
    {0, nullptr},
};

// The host requires a definition with static storage that it may write to
// during initialisation; it holds no state of ours.
PyModuleDef kModuleDef = {
    PyModuleDef_HEAD_INIT,
    "_tolvex_screener",
    kModuleDoc,
    static_cast<Py_ssize_t>(sizeof(ModuleState)),
    nullptr,
    kSlots,
    traverse_module,
    clear_module,
    free_module,
};

}  // namespace

ModuleState* module_state(PyObject* module) {
  return static_cast<ModuleState*>(PyModule_GetState(module));
}

ModuleState* state_of_type(PyTypeObject* type) {
  PyObject* module = PyType_GetModule(type);  // borrowed
  return module == nullptr ? nullptr : module_state(module);
}

}  // namespace tolvex::python

PyMODINIT_FUNC PyInit__tolvex_screener(void) {
  return PyModuleDef_Init(&tolvex::python::kModuleDef);
}
