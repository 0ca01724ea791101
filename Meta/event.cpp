/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A scheduled event of a schema.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaEventPrivate {
  lm::String kind {""};
  lm::String body {""};
  lm::String definer {""};
  lm::String state {""};
  lm::String schedule {""};
  lm::String completion {""};
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaEvent, tavrel_model_meta_meta_event, TAVREL_MODEL_META_TYPE_META_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaEvent, tavrel_model_meta_meta_event, TavrelModelMetaMetaEventPrivate)

using P = TavrelModelMetaMetaEventPrivate;

static constexpr lm::Property event_properties[] = {
    LM_META_STRING (kind, "kind"),
    LM_META_STRING (body, "body"),
    LM_META_STRING (definer, "definer"),
    LM_META_STRING (state, "state"),
    LM_META_STRING (schedule, "schedule"),
    LM_META_STRING (completion, "completion"),
};

static void
tavrel_model_meta_meta_event_class_init (TavrelModelMetaMetaEventClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_event_finalize;
  LM_META_CHARACTER (klass, EVENT);
  lm::install_properties<event_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_event, TavrelModelMetaMetaEvent, TAVREL_MODEL_META_TYPE_META_EVENT)
LM_META_NAMED_CONSTRUCTORS (tavrel_model_meta_meta_event, TavrelModelMetaMetaEvent, TAVREL_MODEL_META_TYPE_META_EVENT)

#define SELF tavrel_model_meta_meta_event, TavrelModelMetaMetaEvent, TAVREL_MODEL_META_IS_META_EVENT
LM_ACCESSORS (SELF, kind, const gchar *, NULL)
LM_ACCESSORS (SELF, body, const gchar *, NULL)
LM_ACCESSORS (SELF, definer, const gchar *, NULL)
LM_ACCESSORS (SELF, state, const gchar *, NULL)
LM_ACCESSORS (SELF, schedule, const gchar *, NULL)
LM_ACCESSORS (SELF, completion, const gchar *, NULL)
#undef SELF
