// SPDX-License-Identifier: MIT
#include "calc/prepay.h"

#include "calc/basis.h"
#include "calc/catalogue.h"

namespace zq {

Prepayment PrepaymentOf(std::string_view typeText, CaseStage stage) {
    if (!IsAcceptanceFee(typeText)) {
        const FeeRule rule = catalogue::RuleOfType(typeText).rule;
        // Article 20: enforcement fees after enforcement, bankruptcy fees after liquidation.
        return {Payer::Applicant,
                rule == FeeRule::EnforcementScale ? PayTime::AfterEnforcement
                : rule == FeeRule::BankruptcyHalf ? PayTime::AfterLiquidation
                                                  : PayTime::WithTheApplication,
                false};
    }
    if (typeText == catalogue::kJurisdictionObjection) {
        return {Payer::Objector, PayTime::WhenTheObjectionFails, false};
    }
    // Labour disputes are where claims for labour remuneration stand.
    const bool labour = typeText == catalogue::kLabourDispute;
    switch (stage) {
        case CaseStage::FirstInstance:
            return {Payer::Plaintiff, PayTime::WithinSevenDays, labour};
        case CaseStage::Counterclaim:
            return {Payer::Defendant, PayTime::WithinSevenDaysOfClaim, false};
        case CaseStage::ThirdParty:
            return {Payer::ThirdParty, PayTime::WithinSevenDays, false};
        case CaseStage::Appeal:
            return {Payer::Appellant, PayTime::WithTheAppeal, false};
        case CaseStage::Retrial:
            return {Payer::RetrialApplicant, PayTime::AsTheCourtDirects, false};
    }
    return {};
}

}  // namespace zq
