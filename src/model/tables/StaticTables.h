#pragma once

// Start-up of the model's constant tables (parameter identifiers, identifier
// lists, machine names, sound tag names).
//
// These tables hold JUCE objects, which need dynamic initialisation, yet other
// globals use them while they are themselves being initialised. The order of
// initialisation between units is not fixed by the language, so the tables are not ordinary
// globals: each lives in a LateConstructed slot (constant-initialised, no
// constructor runs), and every unit that includes this header gets its own
// ModelTablesInitialiser ahead of its own globals. The first initialiser to
// run builds every table; the last one to be destroyed at exit destroys them.
// Static initialisation is single-threaded, so the count needs no lock.

namespace ModelTables
{
    // Raw, suitably aligned room for one T whose lifetime the initialiser
    // manages. Being a union with a constexpr constructor, it is initialised
    // at compile time, and references to its member can be constexpr.
    template <typename T>
    union LateConstructed
    {
        constexpr LateConstructed() noexcept {}
        ~LateConstructed() {}

        LateConstructed (const LateConstructed&) = delete;
        LateConstructed& operator= (const LateConstructed&) = delete;

        T value;
    };

    class ModelTablesInitialiser
    {
    public:
        ModelTablesInitialiser();
        ~ModelTablesInitialiser();

        ModelTablesInitialiser (const ModelTablesInitialiser&) = delete;
        ModelTablesInitialiser& operator= (const ModelTablesInitialiser&) = delete;

        // True once the tables are built and until they are destroyed at exit.
        static bool tablesAreBuilt() noexcept;
    };

    // One per including unit; constructed before the unit's later globals.
    static const ModelTablesInitialiser modelTablesInitialiser;
}
