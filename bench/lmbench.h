// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/*
 * Benchmarks report each operation as a ratio to a floor measured in the
 * same run, so the figures compare across machines and loads.  A floor is a
 * benchmark registered with lmbench::floor; every other benchmark names the
 * floor it is compared with, and the console shows the ratio beside the time.
 */

#include <benchmark/benchmark.h>
#include <glib-object.h>

#include <stdio.h>
#include <unistd.h>

#include <map>
#include <string>

namespace lmbench {

inline std::map<std::string, std::string> &
floor_of ()
{
  static std::map<std::string, std::string> map;
  return map;
}

/* A trivial GObject subclass with no properties and private data of the
 * given size: the cheapest object GLib can make of that size. */
inline GType
trivial_type (gsize private_size)
{
  std::string name = "LmBenchTrivial" + std::to_string (private_size);
  GType type = g_type_from_name (name.c_str ());
  if (type)
    return type;
  GTypeInfo info = {};
  info.class_size = sizeof (GObjectClass);
  info.instance_size = sizeof (GObject);
  type = g_type_register_static (G_TYPE_OBJECT, name.c_str (), &info, GTypeFlags (0));
  if (private_size)
    g_type_add_instance_private (type, private_size);
  return type;
}

/* Registers the floor: g_object_new + g_object_unref of the trivial type. */
inline std::string
floor (gsize private_size)
{
  std::string name = "floor/new+unref/private:" + std::to_string (private_size);
  benchmark::RegisterBenchmark (name.c_str (), [private_size] (benchmark::State &state) {
    GType type = trivial_type (private_size);
    for (auto _ : state) {
      gpointer object = g_object_new (type, nullptr);
      benchmark::DoNotOptimize (object);
      g_object_unref (object);
    }
  });
  return name;
}

template <class F>
benchmark::internal::Benchmark *
compare (const std::string &name, const std::string &floor_name, F body)
{
  floor_of ()[name] = floor_name;
  return benchmark::RegisterBenchmark (name.c_str (), body);
}

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter ()
      : ConsoleReporter (isatty (STDOUT_FILENO) ? OO_Defaults : OO_Tabular)
  {
  }

  void ReportRuns (const std::vector<Run> &runs) override
  {
    std::vector<Run> shown = runs;
    for (Run &run : shown) {
      /* Repetitions compare like with like: a median with the floor's median.
       * The registered name, without the suffixes that options such as a
       * fixed number of iterations add to the displayed one. */
      std::string name = run.run_name.function_name;
      if (name.rfind ("floor", 0) == 0) {
        floors_[name + "|" + run.aggregate_name] = cost (run);
        continue;
      }
      auto floor = floor_of ().find (name);
      if (floor == floor_of ().end ())
        continue;
      auto measured = floors_.find (floor->second + "|" + run.aggregate_name);
      if (measured != floors_.end () && measured->second > 0 && run.aggregate_name != "cv")
        run.counters["ratio"] = benchmark::Counter (cost (run) / measured->second);
    }
    ConsoleReporter::ReportRuns (shown);
  }

 private:
  /* Time per item where the benchmark counts items (SetItemsProcessed), so
   * a table of 800,000 cells compares with a floor of a million; else time
   * per iteration. */
  static double cost (const Run &run)
  {
    auto items = run.counters.find ("items_per_second");
    if (items != run.counters.end () && double (items->second) > 0)
      return 1.0 / double (items->second);
    return run.GetAdjustedRealTime ();
  }

  std::map<std::string, double> floors_;
};

/* The process's resident set in bytes, 0 where /proc cannot tell. */
inline long
resident_bytes ()
{
  long pages_total = 0, pages_resident = 0;
  FILE *statm = fopen ("/proc/self/statm", "r");
  if (!statm)
    return 0;
  if (fscanf (statm, "%ld %ld", &pages_total, &pages_resident) != 2)
    pages_resident = 0;
  fclose (statm);
  return pages_resident * sysconf (_SC_PAGESIZE);
}

inline int
run (int argc, char **argv)
{
  benchmark::Initialize (&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks (&reporter);
  benchmark::Shutdown ();
  return 0;
}

}  // namespace lmbench
