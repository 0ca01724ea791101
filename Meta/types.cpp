/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Every catalogue class, registered on demand: documents name element
 * classes by their registered type names, and GLib finds a name only once
 * its type exists, so a fresh process must not depend on which classes it
 * happened to use before reading.
 */

#include "Meta/object.h"

namespace lm::meta {

const std::vector<GType (*) ()> &
catalogue_classes ()
{
  static const std::vector<GType (*) ()> classes = {
      tavrel_model_meta_meta_object_get_type,      tavrel_model_meta_meta_column_get_type,
      tavrel_model_meta_meta_index_get_type,       tavrel_model_meta_meta_constraint_get_type,
      tavrel_model_meta_meta_primary_key_get_type, tavrel_model_meta_meta_unique_get_type,
      tavrel_model_meta_meta_foreign_key_get_type, tavrel_model_meta_meta_check_get_type,
      tavrel_model_meta_meta_exclude_get_type,     tavrel_model_meta_meta_trigger_get_type,
      tavrel_model_meta_meta_rule_get_type,        tavrel_model_meta_meta_event_get_type,
      tavrel_model_meta_meta_synonym_get_type,     tavrel_model_meta_meta_table_get_type,
      tavrel_model_meta_meta_view_get_type,        tavrel_model_meta_materialized_get_type,
      tavrel_model_meta_meta_routine_get_type,     tavrel_model_meta_meta_function_get_type,
      tavrel_model_meta_meta_procedure_get_type,   tavrel_model_meta_meta_external_get_type,
      tavrel_model_meta_meta_schema_get_type,      tavrel_model_meta_meta_database_get_type,
      tavrel_model_meta_meta_classify_get_type,    tavrel_model_meta_meta_relation_get_type,
      tavrel_model_meta_meta_role_get_type,        tavrel_model_meta_meta_user_get_type,
  };
  return classes;
}

void
register_types ()
{
  static gsize done = 0;
  if (!g_once_init_enter (&done))
    return;
  for (GType (*get_type) () : catalogue_classes ())
    g_type_ensure (get_type ());
  g_once_init_leave (&done, 1);
}

}  // namespace lm::meta
