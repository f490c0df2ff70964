// The listener side of event delivery, as a gSOAP interface header: the Deliver operation
// alone, over the base service's message types, so that soapcpp2 -S generates its request
// dispatcher and the readers of bsi:Event_t. The namespace names are the binding's own.

//gsoap bsiwsdl schema namespace: http://schemas.orvanta.example/schemas/imaging/con/bsi/wsdl/2003/08/21
//gsoap bsi     schema namespace: http://schemas.orvanta.example/schemas/imaging/con/bsi/2003/08/21
//gsoap bsi     schema elementForm: qualified

#import "bsi.h"

//gsoap bsiwsdl service name: EventCallback
//gsoap bsiwsdl service style: document
//gsoap bsiwsdl service encoding: literal

//gsoap bsiwsdl service method-action: Deliver urn:#Deliver
int __bsiwsdl__Deliver(_bsi__Deliver *bsi__Deliver, _XML *__literalAnswer);
