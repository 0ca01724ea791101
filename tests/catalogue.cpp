/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "tests/catalogue.h"

#include <set>

#include "Support/container.h"

namespace lmtest {

const std::vector<GType> &
catalogue_classes ()
{
  static const std::vector<GType> classes = {
      TAVREL_MODEL_META_TYPE_META_OBJECT,      TAVREL_MODEL_META_TYPE_META_COLUMN,
      TAVREL_MODEL_META_TYPE_META_INDEX,       TAVREL_MODEL_META_TYPE_META_CONSTRAINT,
      TAVREL_MODEL_META_TYPE_META_PRIMARY_KEY, TAVREL_MODEL_META_TYPE_META_UNIQUE,
      TAVREL_MODEL_META_TYPE_META_FOREIGN_KEY, TAVREL_MODEL_META_TYPE_META_CHECK,
      TAVREL_MODEL_META_TYPE_META_EXCLUDE,     TAVREL_MODEL_META_TYPE_META_TRIGGER,
      TAVREL_MODEL_META_TYPE_META_RULE,        TAVREL_MODEL_META_TYPE_META_EVENT,
      TAVREL_MODEL_META_TYPE_META_SYNONYM,     TAVREL_MODEL_META_TYPE_META_TABLE,
      TAVREL_MODEL_META_TYPE_META_VIEW,        TAVREL_MODEL_META_TYPE_MATERIALIZED,
      TAVREL_MODEL_META_TYPE_META_ROUTINE,     TAVREL_MODEL_META_TYPE_META_FUNCTION,
      TAVREL_MODEL_META_TYPE_META_PROCEDURE,   TAVREL_MODEL_META_TYPE_META_EXTERNAL,
      TAVREL_MODEL_META_TYPE_META_SCHEMA,      TAVREL_MODEL_META_TYPE_META_DATABASE,
      TAVREL_MODEL_META_TYPE_META_CLASSIFY,    TAVREL_MODEL_META_TYPE_META_RELATION,
      TAVREL_MODEL_META_TYPE_META_ROLE,        TAVREL_MODEL_META_TYPE_META_USER,
  };
  return classes;
}

namespace {

std::vector<GParamSpec *>
readable_properties (gpointer object)
{
  guint n = 0;
  g_autofree GParamSpec **pspecs = g_object_class_list_properties (G_OBJECT_GET_CLASS (object), &n);
  std::vector<GParamSpec *> out;
  for (guint i = 0; i < n; i++)
    if (pspecs[i]->flags & G_PARAM_READABLE)
      out.push_back (pspecs[i]);
  return out;
}

std::string
contents (const GValue *value)
{
  return take_string (g_strdup_value_contents (value));
}

bool
holds_strings (GeeArrayList *list)
{
  return gee_traversable_get_element_type (GEE_TRAVERSABLE (list)) == G_TYPE_STRING;
}

void compare (gpointer a, gpointer b, const std::string &path, bool with_models, std::string &out);

void
compare_values (GParamSpec *pspec, const GValue *va, const GValue *vb, const std::string &path, bool with_models,
                std::string &out)
{
  if (!G_VALUE_HOLDS_OBJECT (va)) {
    if (g_param_values_cmp (pspec, va, vb) != 0)
      out += path + ": " + contents (va) + " != " + contents (vb) + "\n";
    return;
  }
  gpointer a = g_value_get_object (va), b = g_value_get_object (vb);
  if (!a || !b) {
    if (a != b)
      out += path + ": one side is null\n";
    return;
  }
  if (G_IS_LIST_MODEL (a)) {
    if (with_models && a != b)
      out += path + ": different list models\n";
    return;
  }
  if (GEE_IS_ARRAY_LIST (a)) {
    auto *la = GEE_ARRAY_LIST (a), *lb = GEE_ARRAY_LIST (b);
    if (la->_size != lb->_size) {
      out += path + ": " + std::to_string (la->_size) + " elements != " + std::to_string (lb->_size) + "\n";
      return;
    }
    bool strings = holds_strings (la);
    for (gint i = 0; i < la->_size; i++) {
      std::string at = path + "[" + std::to_string (i) + "]";
      if (strings) {
        if (g_strcmp0 (static_cast<const char *> (la->_items[i]), static_cast<const char *> (lb->_items[i])) != 0)
          out += at + ": texts differ\n";
      } else {
        compare (la->_items[i], lb->_items[i], at, with_models, out);
      }
    }
    return;
  }
  if (GEE_IS_MAP (a)) {
    GeeMap *ma = GEE_MAP (a), *mb = GEE_MAP (b);
    if (gee_map_get_size (ma) != gee_map_get_size (mb)) {
      out += path + ": maps of different sizes\n";
      return;
    }
    GeeMapIterator *it = gee_map_map_iterator (ma);
    while (gee_map_iterator_next (it)) {
      g_autofree gchar *key = static_cast<gchar *> (gee_map_iterator_get_key (it));
      g_autofree gchar *value = static_cast<gchar *> (gee_map_iterator_get_value (it));
      g_autofree gchar *other = static_cast<gchar *> (gee_map_get (mb, key));
      if (!gee_map_has_key (mb, key) || g_strcmp0 (value, other) != 0)
        out += path + "." + key + ": differs\n";
    }
    g_object_unref (it);
    return;
  }
  compare (a, b, path, with_models, out);
}

void
compare (gpointer a, gpointer b, const std::string &path, bool with_models, std::string &out)
{
  if (!a || !b) {
    if (a != b)
      out += path + ": one side is null\n";
    return;
  }
  if (G_OBJECT_TYPE (a) != G_OBJECT_TYPE (b)) {
    out += path + ": " + G_OBJECT_TYPE_NAME (a) + " != " + G_OBJECT_TYPE_NAME (b) + "\n";
    return;
  }
  for (GParamSpec *pspec : readable_properties (a)) {
    g_auto (GValue) va = G_VALUE_INIT;
    g_auto (GValue) vb = G_VALUE_INIT;
    g_value_init (&va, pspec->value_type);
    g_value_init (&vb, pspec->value_type);
    g_object_get_property (G_OBJECT (a), pspec->name, &va);
    g_object_get_property (G_OBJECT (b), pspec->name, &vb);
    compare_values (pspec, &va, &vb, path + "/" + pspec->name, with_models, out);
  }
}

void
containers (gpointer object, std::set<gpointer> &seen)
{
  for (GParamSpec *pspec : readable_properties (object)) {
    if (!g_type_is_a (pspec->value_type, G_TYPE_OBJECT) || g_type_is_a (pspec->value_type, G_TYPE_LIST_MODEL))
      continue;
    g_auto (GValue) value = G_VALUE_INIT;
    g_value_init (&value, pspec->value_type);
    g_object_get_property (G_OBJECT (object), pspec->name, &value);
    gpointer held = g_value_get_object (&value);
    if (!held)
      continue;
    seen.insert (held);
    if (GEE_IS_ARRAY_LIST (held) && !holds_strings (GEE_ARRAY_LIST (held)))
      for (gint i = 0; i < GEE_ARRAY_LIST (held)->_size; i++)
        if (G_IS_OBJECT (GEE_ARRAY_LIST (held)->_items[i]))
          containers (GEE_ARRAY_LIST (held)->_items[i], seen);
  }
}

/* The classes a list of this element class may hold: the class itself
 * when it is concrete, and every class derived from it. */
void
concrete_classes (GType type, std::vector<GType> &out)
{
  if (!G_TYPE_IS_ABSTRACT (type))
    out.push_back (type);
  guint n = 0;
  g_autofree GType *children = g_type_children (type, &n);
  for (guint i = 0; i < n; i++)
    concrete_classes (children[i], out);
}

GType
element_class (gpointer object, const char *property)
{
  /* The live list made by the class says what it holds. */
  g_auto (GValue) value = G_VALUE_INIT;
  g_value_init (&value, GEE_TYPE_ARRAY_LIST);
  g_object_get_property (G_OBJECT (object), property, &value);
  return gee_traversable_get_element_type (GEE_TRAVERSABLE (g_value_get_object (&value)));
}

}  // namespace

std::string
differences (gpointer a, gpointer b, bool with_models)
{
  std::string out;
  compare (a, b, "", with_models, out);
  return out;
}

bool
shares_container (gpointer a, gpointer b)
{
  std::set<gpointer> in_a, in_b;
  containers (a, in_a);
  containers (b, in_b);
  for (gpointer held : in_a)
    if (in_b.count (held))
      return true;
  return false;
}

void
fill (gpointer object, int depth)
{
  for (GParamSpec *pspec : readable_properties (object)) {
    if ((pspec->flags & G_PARAM_READWRITE) != G_PARAM_READWRITE)
      continue;
    g_auto (GValue) value = G_VALUE_INIT;
    g_value_init (&value, pspec->value_type);
    g_object_get_property (G_OBJECT (object), pspec->name, &value);
    std::string text = std::string (pspec->name) + " of " + G_OBJECT_TYPE_NAME (object);
    switch (G_TYPE_FUNDAMENTAL (pspec->value_type)) {
    case G_TYPE_STRING:
      /* A view's columns follow its definition. */
      g_value_set_string (&value, strcmp (pspec->name, "definition") == 0 ? "select t.a as x, b from t" : text.c_str ());
      break;
    case G_TYPE_BOOLEAN: g_value_set_boolean (&value, !g_value_get_boolean (&value)); break;
    case G_TYPE_UCHAR: g_value_set_uchar (&value, 200); break;
    case G_TYPE_UINT: g_value_set_uint (&value, 65000); break;
    case G_TYPE_INT64: g_value_set_int64 (&value, -5000000000); break;
    case G_TYPE_UINT64: g_value_set_uint64 (&value, G_MAXUINT64 - 1); break;
    case G_TYPE_ENUM: g_value_set_enum (&value, 28); break;
    case G_TYPE_OBJECT: {
      if (GEE_IS_MAP (g_value_get_object (&value))) {
        GeeHashMap *map = GEE_HASH_MAP (g_value_get_object (&value));
        gee_abstract_map_set (GEE_ABSTRACT_MAP (map), "one", text.c_str ());
        gee_abstract_map_set (GEE_ABSTRACT_MAP (map), "two", "");
      } else if (GEE_IS_ARRAY_LIST (g_value_get_object (&value))) {
        GeeArrayList *list = GEE_ARRAY_LIST (g_value_get_object (&value));
        GType element = element_class (object, pspec->name);
        const lm::Container *holds = lm::row_of (pspec)->container;
        if (element == G_TYPE_STRING) {
          gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), "first");
          gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), text.c_str ());
        } else if (depth > 0) {
          /* A list whose elements name their class holds any class of
           * its family; the others hold their element class. */
          std::vector<GType> kinds;
          if (holds->classed)
            concrete_classes (element, kinds);
          else
            kinds.push_back (element);
          for (GType kind : kinds) {
            GObject *child = G_OBJECT (g_object_new (kind, nullptr));
            fill (child, depth - 1);
            gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), child);
            g_object_unref (child);
          }
        }
      }
      continue;
    }
    default: continue; /* list models are shown, not owned */
    }
    g_object_set_property (G_OBJECT (object), pspec->name, &value);
  }
}

std::string
to_json (gpointer object)
{
  return take_string (json_gobject_to_data (G_OBJECT (object), nullptr));
}

GObject *
from_json (GType type, const std::string &text)
{
  g_autoptr (GError) error = nullptr;
  GObject *object = json_gobject_from_data (type, text.c_str (), -1, &error);
  if (error)
    ADD_FAILURE () << "reading JSON: " << error->message;
  return object;
}

std::vector<std::string>
member_names (JsonObject *object)
{
  std::vector<std::string> names;
  GList *members = json_object_get_members (object);
  for (GList *l = members; l; l = l->next)
    names.emplace_back (static_cast<const char *> (l->data));
  g_list_free (members);
  return names;
}

}  // namespace lmtest
