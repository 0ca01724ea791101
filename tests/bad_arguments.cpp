/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "tests/bad_arguments.h"

#include <regex>

namespace lmtest::bad {

namespace {

/* A class the probe can instantiate for type: the type itself, or for an
 * interface or an abstract class the first library class that is one. */
GType
instantiable (GType type)
{
  if (G_TYPE_IS_INSTANTIATABLE (type) && !G_TYPE_IS_ABSTRACT (type))
    return type;
  for (GType (*get_type) () : classes ()) {
    GType candidate = get_type ();
    if (g_type_is_a (candidate, type) && G_TYPE_IS_INSTANTIATABLE (candidate) && !G_TYPE_IS_ABSTRACT (candidate))
      return candidate;
  }
  ADD_FAILURE () << "no library class is a " << g_type_name (type);
  return G_TYPE_INVALID;
}

gpointer
make (GType type, Holding holding)
{
  if (type == G_TYPE_LIST_MODEL)
    return g_list_store_new (G_TYPE_OBJECT);
  if (type == GEE_TYPE_ARRAY_LIST) {
    bool strings = holding == Holding::strings || holding == Holding::one_string;
    GeeArrayList *list = strings ? tavrel_model_list_new_strings () : tavrel_model_list_new_objects (G_TYPE_OBJECT);
    if (holding == Holding::one_string)
      tavrel_model_list_append_string (list, "x");
    if (holding == Holding::one_object) {
      g_autoptr (GObject) element = G_OBJECT (g_object_new (G_TYPE_OBJECT, nullptr));
      tavrel_model_list_append_object (list, element);
    }
    return list;
  }
  if (type == GEE_TYPE_HASH_MAP)
    return holding == Holding::versions
               ? gee_hash_map_new (G_TYPE_STRING, (GBoxedCopyFunc) g_strdup, g_free,
                                   TAVREL_MODEL_TRANSFORM_TYPE_DATA_VERSION, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr)
               : tavrel_model_map_new_strings ();
  if (type == G_TYPE_OUTPUT_STREAM)
    return g_memory_output_stream_new_resizable ();
  GType concrete = instantiable (type);
  return concrete ? g_object_new (concrete, nullptr) : nullptr;
}

/* A library class that is no type handed to a function: a proxy setting
 * is unrelated to everything else, and the patcher to the proxy setting. */
GType
stranger_to (GType type)
{
  GType stranger = TAVREL_MODEL_SETTING_TYPE_NETWORK_SETTING;
  return g_type_is_a (stranger, type) ? TAVREL_MODEL_TRANSFORM_TYPE_PATCHER : stranger;
}

/* What a caller can see of an object: its class, the references to it and
 * every readable property as GLib renders it.  Of a libgee container, its
 * size: its view properties make a new object on every read. */
std::string
state_of (GObject *object)
{
  std::string state = std::string (G_OBJECT_TYPE_NAME (object)) + " refs "
                      + std::to_string (g_atomic_int_get ((gint *) &object->ref_count));
  if (GEE_IS_COLLECTION (object))
    return state + " size " + std::to_string (gee_collection_get_size (GEE_COLLECTION (object)));
  if (GEE_IS_MAP (object))
    return state + " size " + std::to_string (gee_map_get_size (GEE_MAP (object)));
  guint n = 0;
  g_autofree GParamSpec **specs = g_object_class_list_properties (G_OBJECT_GET_CLASS (object), &n);
  for (guint i = 0; i < n; i++) {
    if (!(specs[i]->flags & G_PARAM_READABLE))
      continue;
    g_auto (GValue) value = G_VALUE_INIT;
    g_value_init (&value, specs[i]->value_type);
    g_object_get_property (object, specs[i]->name, &value);
    g_autofree gchar *text = g_strdup_value_contents (&value);
    state += std::string ("; ") + specs[i]->name + "=" + text;
  }
  return state;
}

}  // namespace

void
never_called (GObject *, GAsyncResult *, gpointer)
{
  ADD_FAILURE () << "a refused call called back";
}

Probe::Probe (const Case &c) : case_ (c), context_ (g_main_context_new ())
{
  /* A task made here or by the call completes on this context, which the
   * probe drains before it lets go: nothing leaks to the next case. */
  g_main_context_push_thread_default (context_);
}

Probe::~Probe ()
{
  for (auto it = release_.rbegin (); it != release_.rend (); ++it)
    (*it) ();
  while (g_main_context_iteration (context_, FALSE)) {
  }
  g_main_context_pop_thread_default (context_);
  g_main_context_unref (context_);
}

gpointer
Probe::keep (gpointer object)
{
  if (object) {
    release_.push_back ([object] { g_object_unref (object); });
    states_.push_back ([object] { return state_of (G_OBJECT (object)); });
  }
  return object;
}

gpointer
Probe::object_argument (int i, GType type, Holding holding)
{
  if (bad (i) && case_.fault == Fault::wrong_type)
    return keep (g_object_new (stranger_to (type), nullptr));
  if (bad (i))
    return nullptr;
  return keep (make (type, holding));
}

gpointer *
Probe::out_object_argument (int i)
{
  if (bad (i))
    return nullptr;
  auto *slot = new gpointer (nullptr);
  release_.push_back ([slot] {
    if (*slot)
      g_object_unref (*slot);
    delete slot;
  });
  states_.push_back ([slot] { return std::string (*slot ? "out object set" : "out object unset"); });
  return slot;
}

GType
Probe::object_type (int i, GType own)
{
  return bad (i) ? stranger_to (own) : own;
}

const gchar *
Probe::text (int i)
{
  return bad (i) ? nullptr : "x";
}

gint *
Probe::out_int (int i)
{
  if (bad (i))
    return nullptr;
  auto *slot = new gint (4711);
  release_.push_back ([slot] { delete slot; });
  /* A refused call may write the neutral 0, as the functions that write a
   * position or a length first do: a caller never reads an unset one. */
  states_.push_back ([slot] { return *slot == 0 || *slot == 4711 ? "out int untouched or 0" : std::to_string (*slot); });
  return slot;
}

GError **
Probe::error (int i)
{
  if (bad (i))
    return nullptr;
  auto *slot = new GError *(nullptr);
  release_.push_back ([slot] {
    g_clear_error (slot);
    delete slot;
  });
  states_.push_back ([slot] { return std::string ("error ") + (*slot ? (*slot)->message : "unset"); });
  return slot;
}

/* Arrays of one element, with the length beside them set to 1. */
template <class T>
static T *
array_of (std::vector<std::function<void ()>> &release, std::vector<std::function<std::string ()>> &states,
          std::initializer_list<T> items, std::function<std::string (const T &)> show)
{
  auto *array = new std::vector<T> (items);
  release.push_back ([array] { delete array; });
  states.push_back ([array, show] {
    std::string text = "array";
    for (const T &item : *array)
      text += " " + show (item);
    return text;
  });
  return array->data ();
}

const TavrelModelDataDataType *
Probe::array_of_types (int i)
{
  if (bad (i))
    return nullptr;
  return array_of<TavrelModelDataDataType> (release_, states_, {TAVREL_MODEL_DATA_DATA_TYPE_STRING},
                                            [] (const TavrelModelDataDataType &t) { return std::to_string (t); });
}

const gint *
Probe::array_of_ints (int i)
{
  if (bad (i))
    return nullptr;
  return array_of<gint> (release_, states_, {0}, [] (const gint &n) { return std::to_string (n); });
}

const gchar *const *
Probe::array_of_texts (int i)
{
  if (bad (i))
    return nullptr;
  return array_of<const gchar *> (release_, states_, {"x", nullptr},
                                  [] (const gchar *const &t) { return std::string (t ? t : "NULL"); });
}

const guint8 *
Probe::array_of_bytes (int i)
{
  if (bad (i))
    return nullptr;
  return array_of<guint8> (release_, states_, {42}, [] (const guint8 &b) { return std::to_string (b); });
}

TavrelModelMetaMetaObject **
Probe::array_of_meta_objects (int i)
{
  if (bad (i))
    return nullptr;
  auto *object = static_cast<TavrelModelMetaMetaObject *> (keep (tavrel_model_meta_meta_table_new ()));
  return array_of<TavrelModelMetaMetaObject *> (release_, states_, {object, nullptr},
                                                [] (TavrelModelMetaMetaObject *const &o) {
                                                  return std::to_string (reinterpret_cast<uintptr_t> (o));
                                                });
}

GDateTime *
Probe::date_time (int i)
{
  if (bad (i))
    return nullptr;
  GDateTime *moment = g_date_time_new_utc (2024, 3, 5, 14, 7, 9);
  release_.push_back ([moment] { g_date_time_unref (moment); });
  return moment;
}

const GDate *
Probe::date (int i)
{
  if (bad (i))
    return nullptr;
  GDate *day = g_date_new_dmy (5, G_DATE_MARCH, 2024);
  release_.push_back ([day] { g_date_free (day); });
  states_.push_back ([day] { return "date " + std::to_string (g_date_get_julian (day)); });
  return day;
}

GBytes *
Probe::bytes (int i)
{
  if (bad (i))
    return nullptr;
  GBytes *bytes = g_bytes_new ("xy", 2);
  release_.push_back ([bytes] { g_bytes_unref (bytes); });
  return bytes;
}

JsonNode *
Probe::json_node (int i)
{
  if (bad (i))
    return nullptr;
  JsonNode *node = json_node_new (JSON_NODE_VALUE);
  json_node_set_string (node, "x");
  release_.push_back ([node] { json_node_unref (node); });
  states_.push_back ([node] {
    g_autofree gchar *text = json_to_string (node, FALSE);
    return std::string ("json ") + text;
  });
  return node;
}

GParamSpec *
Probe::param_spec (int i)
{
  if (bad (i))
    return nullptr;
  auto *klass = static_cast<GObjectClass *> (g_type_class_ref (TAVREL_MODEL_META_TYPE_META_OBJECT));
  release_.push_back ([klass] { g_type_class_unref (klass); });
  return g_object_class_find_property (klass, "name");
}

const GValue *
Probe::gvalue_in (int i)
{
  if (bad (i))
    return nullptr;
  auto *value = new GValue G_VALUE_INIT;
  g_value_init (value, G_TYPE_STRING);
  g_value_set_static_string (value, "x");
  release_.push_back ([value] {
    g_value_unset (value);
    delete value;
  });
  states_.push_back ([value] {
    g_autofree gchar *text = g_strdup_value_contents (value);
    return std::string ("value ") + text;
  });
  return value;
}

GValue *
Probe::gvalue_out (int i)
{
  if (bad (i))
    return nullptr;
  auto *value = new GValue G_VALUE_INIT;
  release_.push_back ([value] {
    if (G_IS_VALUE (value))
      g_value_unset (value);
    delete value;
  });
  states_.push_back ([value] {
    return G_IS_VALUE (value) ? std::string ("value of type ") + G_VALUE_TYPE_NAME (value) : "value unset";
  });
  return value;
}

gunichar2 *
Probe::utf16 (int i)
{
  /* The functions that take a UTF-16 buffer own it, also when they refuse
   * the call: the probe does not free it. */
  return bad (i) ? nullptr : g_utf8_to_utf16 ("x", -1, nullptr, nullptr, nullptr);
}

GAsyncResult *
Probe::async_result (int i)
{
  if (bad (i) && case_.fault == Fault::wrong_type)
    return static_cast<GAsyncResult *> (keep (g_object_new (stranger_to (G_TYPE_ASYNC_RESULT), nullptr)));
  if (bad (i))
    return nullptr;
  /* A task of no value and no source: whoever checks the result refuses
   * it, and one that did not check would find no error in it. */
  GTask *task = g_task_new (nullptr, nullptr, nullptr, nullptr);
  g_task_return_boolean (task, TRUE);
  return G_ASYNC_RESULT (keep (task));
}

void
Probe::call (const std::function<void ()> &body)
{
  while (g_main_context_iteration (context_, FALSE)) {
  }
  before_.clear ();
  for (auto &state : states_)
    before_.push_back (state ());
  body ();
  while (g_main_context_iteration (context_, FALSE)) {
  }
  if (case_.fault == Fault::accepts_null)
    return;
  for (size_t i = 0; i < states_.size (); i++)
    EXPECT_EQ (before_[i], states_[i] ()) << "a refused call changed what it was handed";
}

void
Probe::returned_pointer (const void *result, Owned owned)
{
  if (case_.fault != Fault::accepts_null) {
    EXPECT_EQ (nullptr, result) << "a refused call returned something";
  }
  if (!result)
    return;
  switch (owned) {
  case Owned::nothing:
    break;
  case Owned::object:
    g_object_unref ((gpointer) result);
    break;
  case Owned::objects:
    for (auto **object = (GObject **) result; *object; object++)
      g_object_unref (*object);
    g_free ((gpointer) result);
    break;
  case Owned::strings:
    g_strfreev ((gchar **) result);
    break;
  }
}

namespace {

class BadArgument : public Test, public ::testing::WithParamInterface<Case> {};

const char *
fault_name (Fault fault)
{
  switch (fault) {
  case Fault::null_pointer:
    return "null";
  case Fault::wrong_type:
    return "wrong_type";
  case Fault::accepts_null:
    return "accepts_null";
  }
  return "";
}

TEST_P (BadArgument, IsRefusedWithoutEffect)
{
  const Case &c = GetParam ();
  {
    Probe probe (c);
    c.call (probe);
  }
  std::vector<LogRecord> log = take_log ();
  std::string seen;
  for (const LogRecord &record : log)
    seen += "\n  " + record.message;
  switch (c.fault) {
  case Fault::accepts_null:
    EXPECT_TRUE (log.empty ()) << "NULL is taken by design, yet the call logged:" << seen;
    break;
  case Fault::null_pointer:
  case Fault::wrong_type: {
    ASSERT_EQ (1u, log.size ()) << "expected one critical, captured:" << seen;
    std::regex shape (std::string (c.function) + ": assertion '" + c.condition + "' failed");
    EXPECT_TRUE (std::regex_match (log[0].message, shape))
        << log[0].message << "\n  is not a critical of " << c.function << " with the condition " << c.condition;
    EXPECT_TRUE (log[0].level & G_LOG_LEVEL_CRITICAL);
    EXPECT_EQ ("", log[0].domain);
    break;
  }
  }
}

INSTANTIATE_TEST_SUITE_P (EveryFunction, BadArgument, ::testing::ValuesIn (cases ()),
                          [] (const ::testing::TestParamInfo<Case> &info) {
                            return std::string (info.param.function + strlen ("tavrel_model_")) + "__"
                                   + info.param.name + "__" + fault_name (info.param.fault);
                          });

}  // namespace

}  // namespace lmtest::bad
