/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * Test support for the catalogue: objects compared property by property
 * through their lists and maps, objects filled with a value that differs
 * from the initial one in every property, and their JSON.
 */

#include <string>
#include <vector>

#include "tests/support.h"

namespace lmtest {

/* Every concrete catalogue class, base class first. */
const std::vector<GType> &catalogue_classes ();

/* The first differences between two objects, property by property and
 * into their lists and maps, as "path: a != b" lines; "" when equal.
 * List models compare by identity, or not at all without models. */
std::string differences (gpointer a, gpointer b, bool with_models = true);

/* Whether any list or map reachable from one object is reachable from
 * the other too. */
bool shares_container (gpointer a, gpointer b);

/* Sets every readable and writable property to a value no new object
 * holds: texts named after the property, numbers and flags changed, lists
 * of depth levels of filled elements (one of each class a list may hold),
 * maps of two entries. */
void fill (gpointer object, int depth = 1);

/* json_gobject_to_data of any object, owned. */
std::string to_json (gpointer object);

/* The object a text reads back as, or null. */
GObject *from_json (GType type, const std::string &text);

/* The member names of a JSON object node's object, in order. */
std::vector<std::string> member_names (JsonObject *object);

/* A new node of json_gobject_serialize, with its object. */
class Serialized {
 public:
  explicit Serialized (gpointer object) : node_ (json_gobject_serialize (G_OBJECT (object))) {}
  Serialized (const Serialized &) = delete;
  Serialized &operator= (const Serialized &) = delete;
  ~Serialized () { json_node_unref (node_); }
  JsonObject *object () const { return json_node_get_object (node_); }
  JsonNode *node () const { return node_; }

 private:
  JsonNode *node_;
};

}  // namespace lmtest
