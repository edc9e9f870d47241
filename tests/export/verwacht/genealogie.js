
function indexeendir()
{
   if( document.location == top.location)
   {
      top.location.replace("../index.htm");
   }
}

function indextweedir()
{
   if( document.location == top.location)
   {
      top.location.replace("../../index.htm");
   }
}

function indexdriedir()
{
   if( document.location == top.location)
   {
      top.location.replace("../../../index.htm");
   }
}
