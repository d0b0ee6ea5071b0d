#include "single_argument.h"

namespace tolvex::python {

PyObject* single_argument(PyObject* args, PyObject* kwargs, const char* func, const char* name) {
  const Py_ssize_t positional = PyTuple_Size(args);
  if (positional < 0) return nullptr;
  if (positional > 1) {
    PyErr_Format(PyExc_TypeError, "%s() takes 1 positional argument but %zd were given", func,
                 positional);
    return nullptr;
  }
  PyObject* found = positional == 1 ? PyTuple_GetItem(args, 0) : nullptr;  // borrowed
  if (positional == 1 && found == nullptr) return nullptr;

  if (kwargs != nullptr) {
    Py_ssize_t pos = 0;
    PyObject* key = nullptr;    // borrowed
    PyObject* value = nullptr;  // borrowed
    while (PyDict_Next(kwargs, &pos, &key, &value)) {
      if (!PyUnicode_Check(key)) {
        PyErr_Format(PyExc_TypeError, "%s() keywords must be strings", func);
        return nullptr;
      }
      if (PyUnicode_CompareWithASCIIString(key, name) != 0) {
        PyErr_Format(PyExc_TypeError, "%s() got an unexpected keyword argument '%U'", func, key);
        return nullptr;
      }
      if (found != nullptr) {
        PyErr_Format(PyExc_TypeError, "%s() got multiple values for argument '%s'", func, name);
        return nullptr;
      }
      found = value;
    }
  }
  if (found == nullptr)
    PyErr_Format(PyExc_TypeError, "%s() missing 1 required positional argument: '%s'", func, name);
  return found;
}

}  // namespace tolvex::python
