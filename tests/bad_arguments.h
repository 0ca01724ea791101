/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * The bad-argument suite: every exported function, called with one bad
 * argument at a time, must log the one critical that names it and the
 * failed check, return its neutral result, and do nothing else: no crash,
 * no leak (the sanitizer and valgrind runs see to that), no change to any
 * object, array or out-parameter it was handed, no callback.
 *
 * tests/bad_arguments.py writes a call function per exported function and
 * the table of cases from the public headers; each call function asks the
 * Probe for its arguments in order, and the Probe hands out the bad one
 * where the case says and a valid one everywhere else.
 */

#include <functional>
#include <string>
#include <vector>

#include "tests/support.h"

namespace lmtest::bad {

/* What a valid libgee container handed to a function holds: the list and
 * map helpers check their elements before the rest of their arguments, and
 * a position is only valid in a list that has one. */
enum class Holding {
  objects,
  strings,
  versions,
  one_object,
  one_string,
};

/* What a pointer a function returns hands over to its caller. */
enum class Owned {
  nothing,
  object,
  objects, /* a NULL-terminated array of references */
  strings,
};

enum class Fault {
  null_pointer, /* NULL where the function needs a pointer */
  wrong_type,   /* an object of another class, or a type not the class's own */
  accepts_null, /* NULL where the function takes it by design: no critical */
};

class Probe;

struct Case {
  const char *function;
  void (*call) (Probe &);
  int argument; /* the position of the bad argument */
  const char *name;
  Fault fault;
  /* The failed condition the critical must give, as a regular
   * expression (ECMAScript). */
  const char *condition;
};

const std::vector<Case> &cases ();
const std::vector<GType (*) ()> &classes ();

/* The callback handed to every asynchronous function: a refused call must
 * never call back. */
void never_called (GObject *source, GAsyncResult *result, gpointer data);

class Probe {
 public:
  explicit Probe (const Case &c);
  Probe (const Probe &) = delete;
  Probe &operator= (const Probe &) = delete;
  ~Probe ();

  template <class T>
  T *
  object (int i, GType type, Holding holding = Holding::objects)
  {
    return static_cast<T *> (object_argument (i, type, holding));
  }
  template <class T>
  T **
  out_object (int i)
  {
    return reinterpret_cast<T **> (out_object_argument (i));
  }
  GType object_type (int i, GType own);
  const gchar *text (int i);
  gint *out_int (int i);
  GError **error (int i);
  const TavrelModelDataDataType *array_of_types (int i);
  const gint *array_of_ints (int i);
  const gchar *const *array_of_texts (int i);
  const guint8 *array_of_bytes (int i);
  TavrelModelMetaMetaObject **array_of_meta_objects (int i);
  GDateTime *date_time (int i);
  const GDate *date (int i);
  GBytes *bytes (int i);
  JsonNode *json_node (int i);
  GParamSpec *param_spec (int i);
  const GValue *gvalue_in (int i);
  GValue *gvalue_out (int i);
  gunichar2 *utf16 (int i);
  GAsyncResult *async_result (int i);

  /* Runs the call between a record of everything handed to it and the
   * check that all of it is as it was. */
  void call (const std::function<void ()> &body);
  void returned_pointer (const void *result, Owned owned);
  template <class T>
  void
  returned_number (T result, int neutral)
  {
    if (case_.fault != Fault::accepts_null) {
      EXPECT_TRUE (result == T (neutral)) << "a refused call returned something else than its neutral result";
    }
  }

 private:
  bool bad (int i) const { return case_.argument == i; }
  gpointer object_argument (int i, GType type, Holding holding);
  gpointer *out_object_argument (int i);
  gpointer keep (gpointer object);

  const Case &case_;
  GMainContext *context_;
  /* Everything the probe made and releases, and what the call must leave
   * as it found it. */
  std::vector<gpointer> objects_;
  std::vector<std::function<void ()>> release_;
  std::vector<std::function<std::string ()>> states_;
  std::vector<std::string> before_;
};

}  // namespace lmtest::bad
