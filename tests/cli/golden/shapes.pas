unit Shapes;

{ Shapes: a small unit with every kind of token in it.
  This brace comment runs over three lines, and a (* inside it
  does not open another comment. }

interface

uses
  SysUtils, Classes;

const
  MaxShapes = 100;
  Ratio = 1.5E3;
	HexMask = $FF00;  // a tab starts this line
  Scale: Double = 0.25;
  CrLf = #13#10;
  Greeting = 'It''s a <shape> & more';
  NotAComment = '{ not a comment } (* nor this *) // nor this';

type
  TShape = class(TObject)
  private
    FName: string;
    FSides: Integer;
  public
    constructor Create(const AName: string; ASides: Integer);
    function Area: Double; virtual; abstract;
    property Name: string read FName;
    property Sides: Integer read FSides write FSides default 4;
  end;

  TSquare = class(TShape)
  private
    FSide: Double;
  public
    function Area: Double; override;
  end;

implementation

(* A parenthesis-star comment,
   with { a brace inside } that does not end it,
   ends here: *)

constructor TShape.Create(const AName: string; ASides: Integer);
begin
  inherited Create;
  FName := AName;   { set the name }
  FSides := ASides; (* and the sides *)
end;

function TSquare.Area: Double;
begin
  Result := FSide * FSide; // x2
  if (Result > 1E10) or (Result < 0) then
    raise Exception.Create('Area out of range: ' + FloatToStr(Result));
end;

procedure Swap(var A, B: Integer);
asm
  MOV ECX, [EAX]
  XCHG ECX, [EDX]
  MOV [EAX], ECX
end;

initialization
  Writeln('Shapes'#9'ready', 3.14, $1A, 42);
Finalization
  WRITELN('done');
END.
