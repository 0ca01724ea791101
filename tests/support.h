/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * Test support: a fixture that captures GLib's log so a test can assert the
 * exact critical text, and fails the test on any critical or warning it did
 * not expect; a watch that tells whether an object was finalized; and the
 * small helpers that several suites would otherwise each write again.
 */

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "include/libmodel.h"

namespace lmtest {

struct LogRecord {
  GLogLevelFlags level;
  std::string domain;
  std::string message;
};

class Test : public ::testing::Test {
 protected:
  void SetUp () override;
  void TearDown () override;

  /* Consumes one captured critical with exactly this text; fails the test
   * (listing what was captured) when there is none. */
  void expect_critical (const std::string &message);

  /* Consumes every captured message and returns them. */
  std::vector<LogRecord> take_log ();

  /* Number of criticals and warnings captured and not yet consumed. */
  size_t pending () const;

 private:
  static void handler (const gchar *domain, GLogLevelFlags level, const gchar *message, gpointer data);
  std::vector<LogRecord> log_;
  GLogFunc previous_handler_ = nullptr;
  gpointer previous_data_ = nullptr;
};

/* Tells whether an object has been finalized, through a weak pointer. */
class Watch {
 public:
  explicit Watch (gpointer object);
  Watch (const Watch &) = delete;
  Watch &operator= (const Watch &) = delete;
  ~Watch ();
  bool finalized () const { return object_ == nullptr; }

 private:
  gpointer object_;
};

/* Counts notify emissions of one property. */
class NotifyCounter {
 public:
  NotifyCounter (gpointer object, const char *property);
  NotifyCounter (const NotifyCounter &) = delete;
  NotifyCounter &operator= (const NotifyCounter &) = delete;
  ~NotifyCounter ();
  int count () const { return count_; }
  void reset () { count_ = 0; }

 private:
  static void on_notify (GObject *, GParamSpec *, gpointer data);
  gpointer object_;
  gulong handler_ = 0;
  int count_ = 0;
};

/* Takes ownership of a string from the library for comparison. */
std::string take_string (gchar *text);

/* True when text is null; the library distinguishes null from "". */
inline bool
is_null_text (const gchar *text)
{
  return text == nullptr;
}

/* The text g_return_if_fail logs, so a test names only the function and
 * the condition it expects to fail. */
std::string critical_text (const char *function, const char *condition);

/* The checked cast: a test handing over anything but a value gets a
 * critical, not a silent reinterpretation. */
inline TavrelModelDataValueObject *
as_value (gpointer value)
{
  return TAVREL_MODEL_DATA_VALUE_OBJECT (value);
}

/* What to_string gives for any value, owned; "<null>" for null. */
std::string render (gpointer value);

/* A new copy of any value, or null where the value refuses to be copied. */
inline TavrelModelDataValueObject *
clone (gpointer value)
{
  return tavrel_model_data_value_object_clone (as_value (value));
}

/* The names of the properties that owner itself declares, in their order,
 * as the class of object lists them: what a class adds, without what it
 * inherits. */
std::vector<std::string> own_properties (gpointer object, GType owner);

/* Owns values for the length of a test, so that one that ends early
 * leaks none of them. */
class Values {
 public:
  Values () = default;
  Values (std::initializer_list<gpointer> values) : values_ (values) {}
  Values (const Values &) = delete;
  Values &operator= (const Values &) = delete;
  ~Values ();

  /* Takes over the caller's reference, which may be null. */
  void add (gpointer value) { values_.push_back (value); }
  TavrelModelDataValueObject *operator[] (size_t i) const { return as_value (values_[i]); }
  size_t size () const { return values_.size (); }

 private:
  std::vector<gpointer> values_;
};

/* A new row holding an error value for each code, in order: values told
 * apart by their text alone. */
TavrelModelDataRowModel *row_of (std::initializer_list<int> codes);

/*
 * Puts TZ back as the test found it, with tzset, however the test ends: a
 * zone one test names must not become the next one's.  GLib's local zone
 * follows TZ: g_time_zone_new_local keeps the zone it loaded only while its
 * identifier still equals TZ, so setting the variable is enough.
 */
class SavedZone {
 public:
  SavedZone ();
  SavedZone (const SavedZone &) = delete;
  SavedZone &operator= (const SavedZone &) = delete;
  ~SavedZone ();

 private:
  bool had_zone_ = false;
  std::string saved_zone_;
};

/* Sets TZ and fails the test when the zone data is missing (GLib would
 * fall back to UTC silently): january_offset is the zone's offset in
 * January 2024, in seconds. */
void use_zone (const char *zone, gint january_offset = 0);

}  // namespace lmtest
