// The `Screener` type: a handle on one engine instance, bound to the thread
// that created it and used by one `command` call at a time.
#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <string_view>

#include "module_state.h"
#include "screener.h"
#include "single_argument.h"

namespace tolvex::python {
namespace {

using screener::Screener;

constexpr const char* kTypePath = "_tolvex_screener::PyScreener";

struct PyScreener {
  PyObject_HEAD Screener* core;  // owned; deliberately leaked when dropped on a foreign thread
  std::atomic<std::uintptr_t> in_use;
  unsigned long owner;  // host thread id of the creating thread
};

PyScreener* as_screener(PyObject* obj) {
  return reinterpret_cast<PyScreener*>(obj);
}

// Text made by the engine may echo input cut at an arbitrary byte; decoding
// must still give the caller a str rather than fail.
PyObject* text_to_str(std::string_view text) {
  return PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "replace");
}

void raise_text(PyObject* type, std::string_view text) {
  PyObject* message = text_to_str(text);
  if (message == nullptr) return;
  PyErr_SetObject(type, message);
  Py_DECREF(message);
}

// Borrows the UTF-8 form of a str argument; the buffer lives as long as `obj`.
// A lone surrogate has no UTF-8 form and raises UnicodeEncodeError.
bool read_text(PyObject* obj, const char* func, const char* name, std::string_view* out) {
  if (!PyUnicode_Check(obj)) {
    PyObject* type_name =
        PyObject_GetAttrString(reinterpret_cast<PyObject*>(Py_TYPE(obj)), "__name__");
    if (type_name == nullptr) return false;
    PyErr_Format(PyExc_TypeError, "%s argument '%s' must be str, not %U", func, name, type_name);
    Py_DECREF(type_name);
    return false;
  }
  Py_ssize_t size = 0;
  const char* data = PyUnicode_AsUTF8AndSize(obj, &size);
  if (data == nullptr) return false;
  *out = std::string_view(data, static_cast<std::size_t>(size));
  return true;
}

// The engine reports its failures as values; only the standard library can
// still throw (allocation), and nothing may unwind into the host.
void raise_current_exception(PyObject* fault_type) {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    PyErr_NoMemory();
  } catch (const std::exception& e) {
    raise_text(fault_type, e.what());
  } catch (...) {
    raise_text(fault_type, "unknown internal error");
  }
}

PyObject* fault_type_of(PyObject* self) {
  ModuleState* state = state_of_type(Py_TYPE(self));
  return state == nullptr ? nullptr : state->fault_type;
}

bool check_owner(PyObject* self) {
  const unsigned long current = PyThread_get_thread_ident();
  const unsigned long owner = as_screener(self)->owner;
  if (current == owner) return true;
  PyObject* fault = fault_type_of(self);
  if (fault == nullptr) return false;
  PyErr_Format(fault,
               "assertion `left == right` failed: %s is unsendable, but sent to another thread\n"
               "  left: ThreadId(%lu)\n"
               " right: ThreadId(%lu)",
               kTypePath, current, owner);
  return false;
}

// Runs while the in-use flag is held.
PyObject* run_command(PyObject* self, PyObject* arg) {
  std::string_view text;
  if (!read_text(arg, "command()", "cmd_json", &text)) return nullptr;
  try {
    const std::string response = as_screener(self)->core->command(text);
    return text_to_str(response);
  } catch (...) {
    raise_current_exception(fault_type_of(self));
    return nullptr;
  }
}

PyObject* screener_command(PyObject* self, PyObject* args, PyObject* kwargs) {
  PyObject* arg = single_argument(args, kwargs, "command", "cmd_json");  // borrowed
  if (arg == nullptr) return nullptr;
  if (!check_owner(self)) return nullptr;
  std::uintptr_t expected = 0;
  if (!as_screener(self)->in_use.compare_exchange_strong(expected, 1, std::memory_order_acquire)) {
    PyErr_SetString(PyExc_RuntimeError, "Already borrowed");
    return nullptr;
  }
  // Keep the argument alive while the engine reads its UTF-8 buffer, even if
  // a collection during the call drops the caller's reference.
  Py_INCREF(arg);
  PyObject* result = run_command(self, arg);
  Py_DECREF(arg);
  as_screener(self)->in_use.store(0, std::memory_order_release);
  return result;
}

PyObject* screener_version(PyObject*, PyObject*) {
  return text_to_str(screener::kVersion);
}

PyObject* create_instance(PyTypeObject* type, PyObject* arg) {
  std::string_view text;
  if (!read_text(arg, "Screener()", "spec_json", &text)) return nullptr;
  ModuleState* state = state_of_type(type);
  if (state == nullptr) return nullptr;

  std::unique_ptr<Screener> core;
  try {
    auto created = Screener::create(text);
    if (!created) {
      raise_text(PyExc_ValueError, created.error().display());
      return nullptr;
    }
    core = std::move(created).value();
  } catch (...) {
    raise_current_exception(state->fault_type);
    return nullptr;
  }

  auto alloc = reinterpret_cast<allocfunc>(PyType_GetSlot(type, Py_tp_alloc));
  PyObject* self = alloc == nullptr ? nullptr : alloc(type, 0);
  if (self == nullptr) return nullptr;
  PyScreener* screener = as_screener(self);
  screener->core = core.release();
  new (&screener->in_use) std::atomic<std::uintptr_t>(0);
  screener->owner = PyThread_get_thread_ident();
  return self;
}

PyObject* screener_new(PyTypeObject* type, PyObject* args, PyObject* kwargs) {
  PyObject* arg = single_argument(args, kwargs, "Screener", "spec_json");  // borrowed
  if (arg == nullptr) return nullptr;
  Py_INCREF(arg);  // see screener_command
  PyObject* self = create_instance(type, arg);
  Py_DECREF(arg);
  return self;
}

// Reports without raising: the host calls this with no way to propagate.
void report_foreign_drop(PyObject* type) {
  PyObject *saved_type, *saved_value, *saved_tb;
  PyErr_Fetch(&saved_type, &saved_value, &saved_tb);
  std::string message =
      std::string(kTypePath) + " is unsendable, but is being dropped on another thread";
  PyErr_SetString(PyExc_RuntimeError, message.c_str());
  PyErr_WriteUnraisable(type);
  PyErr_Restore(saved_type, saved_value, saved_tb);
}

void screener_dealloc(PyObject* self) {
  PyTypeObject* type = Py_TYPE(self);
  PyScreener* screener = as_screener(self);
  if (screener->core != nullptr) {
    // The engine's evaluators are not safe to touch from another thread, so
    // a foreign drop leaks them instead.
    if (PyThread_get_thread_ident() == screener->owner)
      delete screener->core;
    else
      report_foreign_drop(reinterpret_cast<PyObject*>(type));
    screener->core = nullptr;
  }
  auto free_slot = reinterpret_cast<freefunc>(PyType_GetSlot(type, Py_tp_free));
  if (free_slot != nullptr) free_slot(self);
  Py_DECREF(type);
}

PyMethodDef kMethods[] = {
    {"command", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(screener_command)),
     METH_VARARGS | METH_KEYWORDS,
     "command($self, cmd_json)\n--\n\nApply a command JSON and return the resulting response "
     "JSON."},
    {"version", screener_version, METH_NOARGS | METH_STATIC,
     "version()\n--\n\nThe library version."},
    {nullptr, nullptr, 0, nullptr},
};

constexpr const char* kTypeDoc =
    "Screener(spec_json)\n--\n\n"
    "A screener instance driven by JSON commands.\n\n"
    "`unsendable`: the screener holds a streaming universe of stateful indicator\n"
    "evaluators, so a handle is bound to the thread that created it.";

PyType_Slot kSlots[] = {
    {Py_tp_new, reinterpret_cast<void*>(screener_new)},
    {Py_tp_dealloc, reinterpret_cast<void*>(screener_dealloc)},
    {Py_tp_methods, kMethods},
    {Py_tp_doc, const_cast<char*>(kTypeDoc)},
    {0, nullptr},
};

PyType_Spec kSpec = {
    "tolvex_screener._tolvex_screener.Screener",
    static_cast<int>(sizeof(PyScreener)),
    0,
    Py_TPFLAGS_DEFAULT,
    kSlots,
};

}  // namespace

PyObject* make_screener_type(PyObject* module) {
  return PyType_FromModuleAndSpec(module, &kSpec, nullptr);
}

}  // namespace tolvex::python
