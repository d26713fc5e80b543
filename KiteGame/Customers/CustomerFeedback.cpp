// CustomerAIBehaviour, feedback: speech bubbles above the customer and the
// floating hearts that show likes given or lost.
#include "Customers/CustomerAIBehaviour.h"

#include "Audio/AudioFeedbackSystem.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Customers/CustomerSystem.h"
#include "Customers/ReportOnce.h"
#include "Economy/AmountText.h"
#include "World/TintedSprites.h"

namespace KiteFramework
{
    namespace
    {
        const char* const BubbleArchetypes[] = {
            "",
            "SpeechBubbleLike",
            "SpeechBubbleDislike",
            "SpeechBubbleFrustrated",
            "SpeechBubbleAngry",
            "SpeechBubbleNoTime",
            "SpeechBubbleNoSeats",
            "SpeechBubbleTrash",
            "SpeechBubbleFire",
        };

        // The feedback sound of each bubble kind (-1: none).
        constexpr int BubbleSounds[] = {-1, 2, 0, 1, 0, 4, 3, 6, -1};

        GameObject* InstantiateReported(const std::string& archetype, Vector2D at)
        {
            GameObject* o = Instantiate(archetype, at, 0.0f);
            if (!o)
                ReportOnce("Archetypes/" + archetype, "no such archetype; the customer goes on without it");
            return o;
        }
    }

    void CustomerAIBehaviour::ShowEffect(const std::string& archetype, float value)
    {
        if (GameObject* effect = InstantiateReported(archetype, GetPosition()))
            if (Text* text = effect->GetComponent<Text>())
                text->SetText(AmountText(value));
    }

    void CustomerAIBehaviour::ShowBubble(int kind, bool force)
    {
        // A customer on its way out of the level keeps no bubble.
        if (despawned || kind == bubbleKind || (!force && bubbleKind == BubblePreference))
            return;
        bubbleKind = kind;
        if (GameObject* old = bubble.Get())
        {
            // Off the day-night list before it goes.
            TintedSprites::Forget(old);
            Destroy(old);
        }
        bubble.Reset();
        if (kind <= BubbleNone || kind >= BubblePreference)
            return;
        bubble = ObjectHandle(InstantiateReported(BubbleArchetypes[kind], Vector2D(0.0f, 0.0f)));
        if (AudioFeedbackSystem* audio = AudioFeedbackSystem::Instance())
            if (BubbleSounds[kind] >= 0)
                audio->PlayByIndex(BubbleSounds[kind]);
        BubbleFollows();
    }

    void CustomerAIBehaviour::ShowPreferenceBubble(int stallType)
    {
        if (despawned || bubbleKind == BubblePreference)
            return;
        bubbleKind = BubblePreference;
        if (GameObject* old = bubble.Get())
        {
            // Off the day-night list before it goes.
            TintedSprites::Forget(old);
            Destroy(old);
        }
        bubble = ObjectHandle(InstantiateReported("SpeechPreference", Vector2D(0.0f, 0.0f)));
        if (Sprite* s = bubble.Get<Sprite>())
            s->InGameSet("FX/Bubble_Stall" + std::to_string(stallType) + ".png");
        BubbleFollows();
    }

    void CustomerAIBehaviour::BubbleFollows()
    {
        GameObject* b = bubble.Get();
        Transform* t = b ? b->GetComponent<Transform>() : nullptr;
        if (!t)
            return;
        const CustomerSystem* settings = CustomerSystem::Instance();
        t->SetTrans(GetPosition() + Vector2D(0.0f, settings ? settings->feedbackOffset : 0.0f));
    }
}
