program Project1;

{$APPTYPE CONSOLE}
{$IFDEF DEBUG} {$R+} {$ENDIF}

uses
  Shapes in 'shapes.pas',
  Windows;

var
  I, Total: Integer;
  Items: array[0..9] of Byte;

begin
  Total := 0;
  for I := Low(Items) to High(Items) do
  begin
    Items[I] := I * 2;
    Inc(Total, Items[I]);
  end;
  if Total <> 90 then
    Writeln('Sum: ', Total)
  else
    Writeln('OK');
  case Total of
    0..9: Writeln('small');
    10..99: Writeln('medium');
  else
    Writeln('large');
  end;
  while Total > 0 do Dec(Total, 10);
  repeat Inc(Total) until Total >= 5;
  with TObject.Create do
  try
    Writeln(ClassName);
  finally
    Free;
  end;
end.
