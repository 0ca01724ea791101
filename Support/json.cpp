/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "Support/json.h"

#include "Support/container.h"
#include "Support/gee.h"

namespace lm::json {

Utf8::Utf8 (const gchar *text) : text_ (text)
{
  if (text && !g_utf8_validate (text, -1, nullptr))
    repaired_ = g_utf8_make_valid (text, -1);
}

void
make_utf8 (GValue *value)
{
  if (!G_VALUE_HOLDS_STRING (value))
    return;
  const gchar *text = g_value_get_string (value);
  if (text && !g_utf8_validate (text, -1, nullptr))
    g_value_take_string (value, g_utf8_make_valid (text, -1));
}

JsonNode *
from_string_map (GeeMap *map)
{
  JsonObject *object = json_object_new ();
  if (map) {
    GeeMapIterator *it = gee_map_map_iterator (map);
    while (gee_map_iterator_next (it)) {
      g_autofree gchar *key = static_cast<gchar *> (gee_map_iterator_get_key (it));
      g_autofree gchar *value = static_cast<gchar *> (gee_map_iterator_get_value (it));
      if (key)
        json_object_set_string_member (object, key, value);
    }
    g_object_unref (it);
  }
  JsonNode *node = json_node_new (JSON_NODE_OBJECT);
  json_node_take_object (node, object);
  return node;
}

GeeHashMap *
to_string_map (JsonNode *node)
{
  GeeHashMap *map = string_map ();
  if (!node || !JSON_NODE_HOLDS_OBJECT (node))
    return map;
  JsonObjectIter iter;
  const gchar *name;
  JsonNode *member;
  json_object_iter_init (&iter, json_node_get_object (node));
  while (json_object_iter_next (&iter, &name, &member)) {
    const gchar *text = "";
    if (JSON_NODE_HOLDS_VALUE (member) && json_node_get_value_type (member) == G_TYPE_STRING)
      text = json_node_get_string (member);
    Utf8 key (name), held (text);
    gee_abstract_map_set (GEE_ABSTRACT_MAP (map), key.get (), held.get ());
  }
  return map;
}

JsonNode *
from_string_list (GeeArrayList *list)
{
  JsonArray *array = json_array_new ();
  if (list)
    for (gint i = 0; i < size (list); i++)
      json_array_add_string_element (array, static_cast<const gchar *> (at (list, i)));
  JsonNode *node = json_node_new (JSON_NODE_ARRAY);
  json_node_take_array (node, array);
  return node;
}

GeeArrayList *
to_string_list (JsonNode *node)
{
  GeeArrayList *list = string_list ();
  if (!node || !JSON_NODE_HOLDS_ARRAY (node))
    return list;
  JsonArray *array = json_node_get_array (node);
  for (guint i = 0, n = json_array_get_length (array); i < n; i++) {
    JsonNode *element = json_array_get_element (array, i);
    if (JSON_NODE_HOLDS_VALUE (element) && json_node_get_value_type (element) == G_TYPE_STRING) {
      Utf8 text (json_node_get_string (element));
      append (list, const_cast<gchar *> (text.get ()));
    }
  }
  return list;
}

JsonNode *
from_object_list (GeeArrayList *list, bool with_class)
{
  JsonArray *array = json_array_new ();
  for (gint i = 0, n = list ? size (list) : 0; i < n; i++) {
    auto *element = static_cast<GObject *> (at (list, i));
    /* A slot a caller left empty has no form of its own. */
    if (!element || !G_IS_OBJECT (element))
      continue;
    JsonNode *node = json_gobject_serialize (element);
    if (with_class)
      json_object_set_string_member (json_node_get_object (node), "class", G_OBJECT_TYPE_NAME (element));
    json_array_add_element (array, node);
  }
  JsonNode *node = json_node_new (JSON_NODE_ARRAY);
  json_node_take_array (node, array);
  return node;
}

/* The class an element names, or 0 when it names none this list may hold:
 * a document must never make the reader instantiate an arbitrary type. */
static GType
named_class (JsonObject *object, GType base)
{
  JsonNode *name = json_object_get_member (object, "class");
  if (!name || !JSON_NODE_HOLDS_VALUE (name) || json_node_get_value_type (name) != G_TYPE_STRING)
    return 0;
  GType type = g_type_from_name (json_node_get_string (name));
  if (!type || !g_type_is_a (type, base) || !G_TYPE_IS_INSTANTIATABLE (type) || G_TYPE_IS_ABSTRACT (type))
    return 0;
  return type;
}

GeeArrayList *
to_object_list (JsonNode *node, GType element_type, bool by_class)
{
  GeeArrayList *list = object_list (element_type);
  if (!node || !JSON_NODE_HOLDS_ARRAY (node))
    return list;
  JsonArray *array = json_node_get_array (node);
  for (guint i = 0, n = json_array_get_length (array); i < n; i++) {
    JsonNode *element = json_array_get_element (array, i);
    if (!JSON_NODE_HOLDS_OBJECT (element))
      continue;
    GType type = by_class ? named_class (json_node_get_object (element), element_type) : element_type;
    if (type)
      append_take (list, json_gobject_deserialize (type, element));
  }
  return list;
}

}  // namespace lm::json
