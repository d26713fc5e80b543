// Text: registration with Graphics and the text's XML form.
#include "Core/Graphics/Text.h"

#include "Core/Graphics/Graphics.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteFramework
{
    Text::Text() : Renderer(CT_Text, Kind::Text)
    {
    }

    Text::Text(const Text& other)
        : Renderer(other),
          text(other.text),
          colour(other.colour),
          scale(other.scale),
          renderBool(other.renderBool),
          offSet(other.offSet),
          centralise(other.centralise)
    {
    }

    Text::~Text()
    {
        if (IsInitialised() && GRAPHICS)
            GRAPHICS->RemoveText(this);
    }

    void Text::Initialise()
    {
        RefreshTransform();
        if (IsInitialised())
            return;
        initialised = 1;
        if (GetId() != 0 && GRAPHICS)
            GRAPHICS->AddText(this);
    }

    void Text::RenderMe()
    {
        if (GRAPHICS)
            GRAPHICS->RenderText(this);
    }

    GameComponent* Text::Clone() const
    {
        return new Text(*this);
    }

    void Text::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        WriteElement(document, element, text, "Text");
        WriteElement(document, element, colour, "colour");
        WriteElement(document, element, scale, "scale");
        WriteElement(document, element, renderBool, "renderBool");
        WriteElement(document, element, offSet, "offSet");
        WriteElement(document, element, centralise, "centralise");
    }

    void Text::XMLUnSerialise(XMLElement* cursor)
    {
        // Files with only the first four fields keep the default offset and
        // centring.
        QueryNextElement(cursor, text);
        QueryNextElement(cursor, colour);
        QueryNextElement(cursor, scale);
        QueryNextElement(cursor, renderBool);
        QueryNextElement(cursor, offSet);
        QueryNextElement(cursor, centralise);
    }
}
