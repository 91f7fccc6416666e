#include "costing/Countries.h"

namespace vexa::app {

Country binCityFor(const QString& countryText)
{
    const QString trimmed = countryText.trimmed();
    for (const CostingCountry& country : kCostingCountries) {
        if (trimmed == QString::fromUtf8(country.entry)) {
            return country.city;
        }
    }
    return Country::United_Kingdom_London;
}

} // namespace vexa::app
