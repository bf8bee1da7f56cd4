#include "model/tables/StaticTables.h"

namespace ModelTables
{
    // Defined next to the tables they build.
    void constructParameterIds();
    void destroyParameterIds() noexcept;
    void constructMachineNames();
    void destroyMachineNames() noexcept;
    void constructIdentifierLists();
    void destroyIdentifierLists() noexcept;

    namespace
    {
        int initialiserCount = 0;   // constant-initialised, only touched during start-up and exit
    }

    ModelTablesInitialiser::ModelTablesInitialiser()
    {
        if (initialiserCount++ == 0)
        {
            // Identifiers first: every other table copies them.
            constructParameterIds();
            constructIdentifierLists();
            constructMachineNames();
        }
    }

    ModelTablesInitialiser::~ModelTablesInitialiser()
    {
        if (--initialiserCount == 0)
        {
            destroyMachineNames();
            destroyIdentifierLists();
            destroyParameterIds();
        }
    }

    bool ModelTablesInitialiser::tablesAreBuilt() noexcept
    {
        return initialiserCount > 0;
    }
}
